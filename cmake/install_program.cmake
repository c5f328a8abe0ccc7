# Where the two programs are installed, and how.

# Corvane is a game of the distribution's menu, and Debian installs the programs of a game's
# package in /usr/games: the desktop program and the checker alike.
set(CORVANE_INSTALL_GAMESDIR games CACHE PATH "Folder of the two programs (below the prefix)")
if(IS_ABSOLUTE "${CORVANE_INSTALL_GAMESDIR}")
    set(CORVANE_INSTALL_FULL_GAMESDIR "${CORVANE_INSTALL_GAMESDIR}")
else()
    set(CORVANE_INSTALL_FULL_GAMESDIR "${CMAKE_INSTALL_PREFIX}/${CORVANE_INSTALL_GAMESDIR}")
endif()

# corvane_install_program(TARGET DESTINATION): installs the program TARGET into DESTINATION. A
# stripped install (CPack, `cmake --install --strip`) also drops the .comment section, which
# only names the compilers, as the distribution's own packages do.
function(corvane_install_program target destination)
    install(TARGETS ${target} RUNTIME DESTINATION ${destination})
    if(IS_ABSOLUTE "${destination}")
        set(folder "\$ENV{DESTDIR}${destination}")
    else()
        set(folder "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}")
    endif()
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP AND NOT \"${CMAKE_OBJCOPY}\" STREQUAL \"\")
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                \"${folder}/$<TARGET_FILE_NAME:${target}>\" COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endfunction()
