# Installs the build into an empty DESTDIR and checks that exactly the expected files arrive,
# that the installed command-line tool runs from there and that the installed desktop entry
# names the program without a path.
#   cmake -DBUILD=<build folder> -DEXPECTED=<list> -DPREFIX=/usr -DVERSION=<x.y> -P CheckInstall.cmake
set(dest "${BUILD}/install-check")
file(REMOVE_RECURSE "${dest}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${dest}
                        ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
endif()

file(STRINGS "${EXPECTED}" expected REGEX "^[^#]")
string(REGEX REPLACE "^/" "" root "${PREFIX}")
list(TRANSFORM expected PREPEND "${root}/")
list(SORT expected)
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE "${dest}" "${dest}/*")
list(SORT found)
set(missing ${expected})
list(REMOVE_ITEM missing ${found})
set(extra ${found})
list(REMOVE_ITEM extra ${expected})
if(missing OR extra)
  list(JOIN missing "\n  " m)
  list(JOIN extra "\n  " x)
  message(FATAL_ERROR "installed files differ from the list\nmissing:\n  ${m}\nnot listed:\n  ${x}")
endif()
list(LENGTH found count)
message(STATUS "${count} files installed as listed")

execute_process(COMMAND "${dest}${PREFIX}/bin/orimaki-cli" --version
                RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "orimaki-cli ${VERSION}\n")
  message(FATAL_ERROR "installed orimaki-cli --version: ${rc} '${out}'")
endif()
file(READ "${dest}${PREFIX}/share/applications/orimaki.desktop" entry)
if(NOT entry MATCHES "\nExec=orimaki %f\n" OR entry MATCHES "${BUILD}")
  message(FATAL_ERROR "the desktop entry does not start the program by name:\n${entry}")
endif()
file(REMOVE_RECURSE "${dest}")
