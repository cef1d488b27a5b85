# QUARLO4_SANITIZE: every target (libraries, tests, the program) built with
# AddressSanitizer and UndefinedBehaviorSanitizer. Include it before the first
# target: the flags and the defaults below reach only targets made after.
option(QUARLO4_SANITIZE "Build everything with -fsanitize=address,undefined" OFF)

if(QUARLO4_SANITIZE)
  # UBSan aborts at the first error: a report nobody reads must not pass.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
  # The sanitizers' options and the leak suppressions are compiled into every
  # program, so that a test, a script or a user running it gets them alike.
  add_library(quarlo4_sanitize_defauts OBJECT "${CMAKE_CURRENT_LIST_DIR}/sanitize_defauts.cpp")
  target_compile_definitions(quarlo4_sanitize_defauts PRIVATE
    QUARLO4_LSAN_SUPP="${PROJECT_SOURCE_DIR}/tests/robustesse/lsan.supp")
  link_libraries(quarlo4_sanitize_defauts)
endif()
