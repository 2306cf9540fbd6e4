#pragma once

// Runs one step of a handler that goes on with its next step whatever
// happens: a step that throws adds nothing and is passed over.
template <class F>
void ignoringErrors(F&& step)
{
    try {
        step();
    } catch (...) {
    }
}
