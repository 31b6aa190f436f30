# Precompiled headers. Most of a fresh build's time went into parsing the same Qt and GoogleTest
# headers in every file; each set below is compiled once per build, in a target of its own, and
# every target of the same kind reuses it, as their flags match (Qt's -fPIC and defines for the
# windows, GoogleTest's for the core tests). A file still includes what it uses; gcc falls back to
# the headers themselves wherever a set does not fit.

set(tilegames_standard_headers
  <algorithm> <array> <cstdint> <filesystem> <functional> <map> <memory> <optional> <span>
  <string> <string_view> <utility> <vector>)

function(tilegames_header_set kind)
  add_library(tilegames_pch_${kind} STATIC ${PROJECT_SOURCE_DIR}/cmake/precompiled_headers.cpp)
  target_precompile_headers(tilegames_pch_${kind} PRIVATE ${tilegames_standard_headers} ${ARGN})
endfunction()

tilegames_header_set(qt
  <QAction> <QApplication> <QDialog> <QImage> <QLabel> <QLineEdit> <QMenuBar> <QPainter>
  <QPushButton> <QString> <QTimer> <QVBoxLayout> <QWidget>)
target_link_libraries(tilegames_pch_qt PRIVATE Qt6::Widgets)
tilegames_header_set(gtest <gmock/gmock.h> <gtest/gtest.h>)
target_link_libraries(tilegames_pch_gtest PRIVATE GTest::gtest GTest::gmock)
target_compile_options(tilegames_pch_gtest PRIVATE ${TILEGAMES_TEST_OPTIONS})

# tilegames_usage_closure(TARGET RESULT): the libraries whose compile flags reach TARGET's own
# files: those it links, and what each of them passes on (not what they link privately).
function(tilegames_usage_closure target result)
  get_target_property(queue ${target} LINK_LIBRARIES)
  set(seen "")
  while(queue)
    list(POP_FRONT queue library)
    if(NOT library OR library MATCHES "^\\$<LINK_ONLY:" OR library IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${library})
    if(TARGET ${library})
      get_target_property(passed_on ${library} INTERFACE_LINK_LIBRARIES)
      if(passed_on)
        list(APPEND queue ${passed_on})
      endif()
    endif()
  endwhile()
  set(${result} "${seen}" PARENT_SCOPE)
endfunction()

# The set a target reuses, by what reaches its files: none where SDL's or FluidSynth's flags define
# system macros or Qt comes without its widgets (its -fPIC too), as no set was compiled so.
function(tilegames_header_kind target result)
  tilegames_usage_closure(${target} links)
  if(links MATCHES "PkgConfig::")
    set(${result} "" PARENT_SCOPE)
  elseif(links MATCHES "Qt6::Widgets")
    set(${result} qt PARENT_SCOPE)
  elseif(links MATCHES "GTest::" AND NOT links MATCHES "Qt6::")
    set(${result} gtest PARENT_SCOPE)
  else()
    set(${result} "" PARENT_SCOPE)
  endif()
endfunction()

# tilegames_reuse_headers(DIRECTORY...): gives every C++ target in and below them its set.
function(tilegames_reuse_headers)
  foreach(directory IN LISTS ARGN)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(NOT type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$" OR target MATCHES "^tilegames_pch_")
        continue()
      endif()
      tilegames_header_kind(${target} kind)
      if(kind)
        target_precompile_headers(${target} REUSE_FROM tilegames_pch_${kind})
      endif()
      # g++ 12 loses sight of the standard headers' own warnings through a precompiled set and
      # reports overflows inside std::string that cannot happen (as its bug 105329).
      if(kind STREQUAL "gtest" AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-stringop-overflow -Wno-array-bounds)
      endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    tilegames_reuse_headers(${subdirectories})
  endforeach()
endfunction()
