#pragma once
#include <functional>

// The grid's error trap: runs `body`, and when a run-time failure escapes it
// shows "uctMyGrid::<method>():" followed by the failure's description, with
// only an OK button and the program's title. Returns true when it trapped one.
// `resetPointer` first sets the application's mouse pointer back to the
// default (the scroll handlers do).
bool gridTrapped(const char* method, const std::function<void()>& body, bool resetPointer = false);
