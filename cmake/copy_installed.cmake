# Copies the installed data files (SRC) into the program folder (DST); the
# folder's README describes the files and is not installed.
if(EXISTS "${SRC}")
  file(MAKE_DIRECTORY "${DST}")
  file(COPY "${SRC}/" DESTINATION "${DST}" PATTERN "README.md" EXCLUDE)
endif()
