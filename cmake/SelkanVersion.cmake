# Run as a script (cmake -P) at every build: writes OUTPUT, a source file that
# defines the version text, from VERSION and, when SOURCE_DIR is a git
# checkout, its commit ("-dirty" when tracked files have changes). The file
# is rewritten only when its content changes, so a build with nothing new
# compiles nothing.
cmake_policy(VERSION 3.25)
set(text "${VERSION}")
if(GIT_EXECUTABLE AND EXISTS "${SOURCE_DIR}/.git")
  execute_process(COMMAND "${GIT_EXECUTABLE}" -C "${SOURCE_DIR}" rev-parse --short=10 HEAD
                  OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE failed ERROR_QUIET)
  if(NOT failed AND commit)
    execute_process(COMMAND "${GIT_EXECUTABLE}" -C "${SOURCE_DIR}" status --porcelain
                            --untracked-files=no
                    OUTPUT_VARIABLE changes RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed AND changes)
      string(APPEND commit "-dirty")
    endif()
    string(APPEND text " (commit ${commit})")
  endif()
endif()
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT
"// Made by the build from the project's version and the git commit.
#include \"platform/version.h\"

namespace selkan {

const char* VersionText() { return \"@text@\"; }

}  // namespace selkan
" @ONLY)
