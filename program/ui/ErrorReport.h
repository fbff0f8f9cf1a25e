#pragma once

class IError;

// Shows an error object that reached a command handler: the handler's name
// (with its parentheses), a line break and the error's report, in a plain
// box captioned "Kestrelwave"; then deletes it.
void reportError(const wchar_t* handler, IError* error);
