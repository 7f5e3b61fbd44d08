cmake_minimum_required(VERSION 3.25)

# Copies the installed data files (SRC) into a program folder (DST); the
# folder's README describes the files and is not installed.
#
# KEEP_USER_FILES=ON (the install into the user's program folder): the files the
# user changes through the programs (the customisation, the user's own pile
# catalogues, the template project) are copied only when missing, so a
# reinstall never puts the shipped values back over the user's. Every other
# file is read-only data (catalogues, curve tables, templates, help) and is
# refreshed whenever it differs from the shipped one.
# KEEP_USER_FILES=OFF (the build's own program folder, where the tests run):
# every file is refreshed.
set(user_files TVNCSTM.DAT KOUYAITA.APD PCYAITA.APD "新規.tn2")

if(NOT EXISTS "${SRC}")
  return()
endif()
file(MAKE_DIRECTORY "${DST}")
file(GLOB_RECURSE data_files RELATIVE "${SRC}" "${SRC}/*")
foreach(rel IN LISTS data_files)
  if(rel STREQUAL "README.md")
    continue()
  endif()
  set(target "${DST}/${rel}")
  if(KEEP_USER_FILES AND rel IN_LIST user_files AND EXISTS "${target}")
    message(STATUS "Kept the user's ${target}")
    continue()
  endif()
  get_filename_component(target_dir "${target}" DIRECTORY)
  file(MAKE_DIRECTORY "${target_dir}")
  file(COPY_FILE "${SRC}/${rel}" "${target}" ONLY_IF_DIFFERENT)
endforeach()
