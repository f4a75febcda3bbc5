#pragma once
// What a script line did wrong. Thrown by whatever reads or runs the line;
// the script runner adds the file name and the line number.

#include <cstddef>
#include <stdexcept>
#include <string>

class TScriptError : public std::runtime_error {
public:
    explicit TScriptError(const std::string& message) : std::runtime_error(message) {}
};

// "wait takes 1 argument, got 0".
inline TScriptError ArgumentCountError(const std::string& name, std::size_t expected, std::size_t given) {
    return TScriptError(name + " takes " + std::to_string(expected) +
                        (expected == 1 ? " argument" : " arguments") + ", got " + std::to_string(given));
}
