# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into an empty prefix and checks that every file of the
# product lands where a Linux desktop looks for it.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  bin/zbl-translator
  bin/zbl
  share/man/man1/zbl.1
  share/man/man1/zbl-translator.1
  share/applications/org.zembrel.ZblTranslator.desktop
  share/metainfo/org.zembrel.ZblTranslator.metainfo.xml
  share/icons/hicolor/256x256/apps/org.zembrel.ZblTranslator.png
  share/icons/hicolor/scalable/apps/org.zembrel.ZblTranslator.svg
  share/mime/packages/org.zembrel.ZblTranslator.xml
  share/doc/zbl-translator/LICENSE
  share/doc/zbl-translator/CHANGELOG.md)
set(missing "")
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    list(APPEND missing "${path}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

# The installed program runs from where it landed.
execute_process(COMMAND "${PREFIX}/bin/zbl" --version
  RESULT_VARIABLE result OUTPUT_VARIABLE out)
if(NOT result EQUAL 0 OR NOT out MATCHES "^zbl [0-9]")
  message(FATAL_ERROR "installed zbl --version: ${result} ${out}")
endif()
