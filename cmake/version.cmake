# The version of this build: the base version and, in a git checkout, the commit's date, the
# number of commits and the abbreviated hash (0.1.0+git20261210.175.9cb3bb9), so that the build
# of every later commit is newer for dpkg than the one before. Without git it is the base
# version; CORVANE_VERSION_OVERRIDE sets it outright (a packager's tarball build).
#
# Sets CORVANE_VERSION, CORVANE_GIT_HASH (empty without git), CORVANE_RELEASE_DATE
# (YYYY-MM-DD) and CORVANE_RELEASE_TIME (RFC 2822, for the changelog): the commit's date, or
# the time of the build (SOURCE_DATE_EPOCH when set) without git.

set(CORVANE_VERSION_OVERRIDE "" CACHE STRING "Version to build with instead of the one from git")

# corvane_git(OUT ARGS...): the trimmed output of git in the source folder, "" on any failure.
function(corvane_git out)
    set(text "")
    if(CORVANE_GIT_EXECUTABLE)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
                ${CORVANE_GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} ${ARGN}
            OUTPUT_VARIABLE text ERROR_QUIET RESULT_VARIABLE failed
            OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(failed)
            set(text "")
        endif()
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

find_program(CORVANE_GIT_EXECUTABLE git)
mark_as_advanced(CORVANE_GIT_EXECUTABLE)
corvane_git(CORVANE_GIT_HASH rev-parse --short=7 HEAD)
if(CORVANE_GIT_HASH)
    corvane_git(commit_count rev-list --count HEAD)
    corvane_git(shallow rev-parse --is-shallow-repository)
    if(shallow STREQUAL "true")
        message(WARNING "A shallow clone counts only ${commit_count} commits: its version may "
            "sort below the packages of earlier commits. Fetch the whole history to package.")
    endif()
    corvane_git(commit_day log -1 --format=%cd --date=format-local:%Y%m%d)
    corvane_git(CORVANE_RELEASE_DATE log -1 --format=%cd --date=format-local:%Y-%m-%d)
    corvane_git(CORVANE_RELEASE_TIME log -1 --format=%cD)
    set(CORVANE_VERSION "${PROJECT_VERSION}+git${commit_day}.${commit_count}.${CORVANE_GIT_HASH}")
    # A new commit or a checkout configures again, so the version never lags behind HEAD.
    foreach(ref HEAD packed-refs)
        corvane_git(ref_file rev-parse --path-format=absolute --git-path ${ref})
        list(APPEND git_files ${ref_file})
    endforeach()
    corvane_git(branch symbolic-ref -q HEAD)
    if(branch)
        corvane_git(ref_file rev-parse --path-format=absolute --git-path ${branch})
        list(APPEND git_files ${ref_file})
    endif()
    foreach(file IN LISTS git_files)
        if(EXISTS "${file}")
            set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY
                CMAKE_CONFIGURE_DEPENDS "${file}")
        endif()
    endforeach()
else()
    set(CORVANE_VERSION "${PROJECT_VERSION}")
    string(TIMESTAMP CORVANE_RELEASE_DATE "%Y-%m-%d" UTC)
    string(TIMESTAMP CORVANE_RELEASE_TIME "%a, %d %b %Y %H:%M:%S +0000" UTC)
endif()
if(CORVANE_VERSION_OVERRIDE)
    set(CORVANE_VERSION "${CORVANE_VERSION_OVERRIDE}")
endif()
message(STATUS "Corvane version ${CORVANE_VERSION}")
