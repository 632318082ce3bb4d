# Helpers that keep every source folder a small static library with the same rules.

# qv_core_library(<name> [DEPENDS <lib>...])
# Builds every .cpp of the calling folder into a static library. Core libraries must
# stay free of Qt: configuration fails when one of their files includes a Qt header,
# and they never get Qt's include paths, so such an include cannot compile either.
function(qv_core_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  qv_forbid_qt("${sources};${headers}")
  if(sources)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

function(qv_forbid_qt files)
  foreach(file IN LISTS files)
    if(NOT file)
      continue()
    endif()
    file(STRINGS "${file}" qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
    if(qt_includes)
      message(FATAL_ERROR "${file} includes a Qt header; only src/ui and src/app may use Qt")
    endif()
  endforeach()
endfunction()

# qv_test(<name> [DEPENDS <lib>...] [QT])
# Every .cpp of the calling folder becomes one GoogleTest program registered with ctest.
function(qv_test name)
  cmake_parse_arguments(ARG "QT" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QUARVEX_CONFIG_DIR=${CMAKE_CURRENT_BINARY_DIR}/config;QUARVEX_DATA_DIR=${CMAKE_CURRENT_BINARY_DIR}/data")
endfunction()

# qv_qt_library(<name> [DEPENDS <lib>...])
# A static library of Qt widgets code (src/ui and below): every .cpp and .h of the calling
# folder, with moc run on the headers that need it.
function(qv_qt_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  if(NOT sources)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE Qt6::Widgets Qt6::PrintSupport ${ARG_DEPENDS})
    return()
  endif()
  add_library(${name} STATIC ${sources} ${headers})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport ${ARG_DEPENDS})
endfunction()

# qv_qt_test(<name> [DEPENDS <lib>...])
# Every .cpp of the calling folder joins one GoogleTest program whose main() starts a
# QApplication on the offscreen platform; QtTest drives the widgets.
function(qv_qt_test name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources} ${PROJECT_SOURCE_DIR}/tests/support/QtTestMain.cpp)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} Qt6::Test GTest::gtest GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUARVEX_CONFIG_DIR=${CMAKE_CURRENT_BINARY_DIR}/config;QUARVEX_DATA_DIR=${CMAKE_CURRENT_BINARY_DIR}/data")
endfunction()
