cmake_minimum_required(VERSION 3.25)

# Installs the data into an empty program folder, changes the customisation, a
# user catalogue and a read-only catalogue as a user would, installs again, and
# checks that the user's changes survive and the read-only file is refreshed.
function(install_data)
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --component data --prefix ${WORK}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}): ${out}")
  endif()
endfunction()

function(expect_same_as_shipped name)
  file(READ ${WORK}/${name} got HEX)
  file(READ ${SRC}/${name} shipped HEX)
  if(NOT "${got}" STREQUAL "${shipped}")
    message(FATAL_ERROR "${name} differs from the shipped file")
  endif()
endfunction()

function(expect_text name text)
  file(READ ${WORK}/${name} got)
  if(NOT "${got}" STREQUAL "${text}")
    message(FATAL_ERROR "${name} lost the user's change: ${got}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
install_data()
foreach(name TVNCSTM.DAT KOUYAITA.APD PCYAITA.APD "新規.tn2" YAITA.D01 CGATA.MST WTN_WIN.HLP)
  expect_same_as_shipped(${name})
endforeach()
if(EXISTS ${WORK}/README.md)
  message(FATAL_ERROR "the data folder's README was installed")
endif()

set(custom "user customisation")
set(catalogue "1,2 1,\"USER-1\",900")
file(WRITE ${WORK}/TVNCSTM.DAT "${custom}")
file(WRITE ${WORK}/KOUYAITA.APD "${catalogue}")
file(WRITE ${WORK}/YAITA.D01 "damaged")
file(REMOVE ${WORK}/PCYAITA.APD)

install_data()
expect_text(TVNCSTM.DAT "${custom}")
expect_text(KOUYAITA.APD "${catalogue}")
expect_same_as_shipped(YAITA.D01)
expect_same_as_shipped(PCYAITA.APD)
