#pragma once
#include <exception>
#include <new>
#include <string>

#include "platform/text/RuntimeError.h"

// Shows the grid's failure message: "uctMyGrid::<method>():" followed by the
// failure's description, with only an OK button and the program's title.
// `resetPointer` first sets the application's mouse pointer back to the
// default (the scroll handlers do).
void reportGridFailure(const char* method, const std::string& description, bool resetPointer);

// The grid's error trap: runs `body`, and when a run-time failure escapes it
// reports it as above. Returns true when it trapped one. A template, so that
// a setter called for every cell of a list pays no wrapper of its own.
template <class Body>
bool gridTrapped(const char* method, Body&& body, bool resetPointer = false) {
    try {
        body();
        return false;
    } catch (const text::RuntimeError& e) {
        reportGridFailure(method, e.Description, resetPointer);
    } catch (const std::bad_alloc&) {
        reportGridFailure(method, "メモリが不足しています。", resetPointer);
    } catch (const std::exception& e) {
        reportGridFailure(method, e.what(), resetPointer);
    }
    return true;
}
