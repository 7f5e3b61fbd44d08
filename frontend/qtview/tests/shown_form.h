// A toolkit form bound to a shown, active top-level window, for tests that
// drive the widgets with QTest.
#pragma once

#include "form.h"
#include "form_binder.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace wtn::qt {

struct ShownForm {
    QWidget window;
    std::unique_ptr<FormBinder> binder;

    // Binds form (its controls all added) and shows the window.
    void show(ui::Form& form, int width, int height) {
        window.resize(width, height);
        binder = std::make_unique<FormBinder>(form, &window);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <typename W> W* widget(const ui::Control& c) const {
        return qobject_cast<W*>(binder->widget_of(c));
    }
};

} // namespace wtn::qt
