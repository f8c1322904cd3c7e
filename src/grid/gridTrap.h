#pragma once
#include <exception>

// The grid's error trap: runs `body`, and when a run-time failure escapes it
// shows "uctMyGrid::<method>():" followed by the failure's description, with
// only an OK button and the program's title. Returns true when it trapped one.
// `resetPointer` first sets the application's mouse pointer back to the
// default (the scroll handlers do). A template, so that the setters a list
// calls for every cell cost no more than their own work.
void reportGridTrap(const char* method, std::exception_ptr failure, bool resetPointer);

template <class Body>
bool gridTrapped(const char* method, Body&& body, bool resetPointer = false) {
    try {
        body();
        return false;
    } catch (...) {
        reportGridTrap(method, std::current_exception(), resetPointer);
        return true;
    }
}
