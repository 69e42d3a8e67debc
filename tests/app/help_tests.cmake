# Tests of the help program; included from the tests' CMakeLists.
add_executable(tst_help_program ${CMAKE_CURRENT_LIST_DIR}/tst_help_program.cpp)
target_link_libraries(tst_help_program PRIVATE qxgolf_help_window Qt6::Test)
# Tests stay out of the application folder.
set_target_properties(tst_help_program PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_test(NAME tst_help_program COMMAND tst_help_program)
set_tests_properties(tst_help_program PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
