// Start-up: how the program ends.
#pragma once

namespace breliko::app {

// Ends the process with `status` once everything main made, the sound output
// and the application included, is gone: it flushes the standard streams and
// skips the static destructors. Qt Multimedia 6.4 keeps its PulseAudio
// connections in static objects, and their destructor calls
// pa_context_disconnect and pa_context_unref without the threaded main
// loop's lock, while that loop's thread may be handling a message from the
// sound server (the sink falling idle after the last sound, for one). The
// program then aborts in pa_pdispatch_run or pa_pdispatch_register_reply, or
// hangs joining the loop's thread. Left alone, the connection is closed by
// the system when the process ends. Under AddressSanitizer the leak check,
// which would run after the static destructors, runs here first.
[[noreturn]] void EndProgram(int status);

}  // namespace breliko::app
