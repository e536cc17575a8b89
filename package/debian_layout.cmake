# Run by CPack on the staged files before they are packed: what Debian asks
# of a game beyond what `cmake --install` does. Games live in /usr/games
# (the program finds its sounds relative to its own folder, one level under
# /usr either way), and a packaged program carries no compiler notes.
set(staged ${CPACK_TEMPORARY_DIRECTORY}/usr)
file(MAKE_DIRECTORY ${staged}/games)
file(RENAME ${staged}/bin/breliko ${staged}/games/breliko)
file(REMOVE_RECURSE ${staged}/bin)
execute_process(
  COMMAND ${CPACK_BRELIKO_STRIP} --remove-section=.comment --remove-section=.note
          ${staged}/games/breliko
  COMMAND_ERROR_IS_FATAL ANY)
