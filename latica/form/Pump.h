#pragma once
#include <functional>
#include <stdexcept>

namespace form {

// Thrown under test when the program ends, so that every flow in progress unwinds to the
// test instead of the process exiting. Production code never catches it.
struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("program ended") {}
};

// Ends the process (production) or records the end and unwinds (tests).
[[noreturn]] void endProcess(int code = 0);
// Installs what endProcess does; tests install a handler that throws ProgramEnded.
void setEndProcessHandler(std::function<void(int)> handler);
bool programEnded();
void resetProgramEnded();

// Runs an event handler of the game; an end of the program inside it is remembered and
// unwinds the waiting flow that let this event run.
void runHandler(const std::function<void()>& handler);

// Lets pending window events run, without waiting for new ones.
void doEvents();
// Lets window events run, sleeping between them, until done() holds. With a timeout
// (seconds of the time source) it gives up after that long; the result says whether
// done() held.
bool waitUntil(const std::function<bool()>& done, double timeoutSeconds = -1);
// Lets window events run, sleeping between them, for the given seconds of the time source.
void waitFor(double seconds);

} // namespace form
