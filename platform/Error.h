// The program's error: an exception that carries a message for the user (UTF-8).
//
// The program throws this rather than std::runtime_error and its kin: those keep their message
// in the standard library's old reference-counted string, whose code (some 80 KB) would otherwise
// come along into every program.
#pragma once

#include <exception>
#include <string>
#include <utility>

class TError : public std::exception {
public:
    explicit TError(std::string Message) : m_message(std::move(Message)) {}
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    std::string m_message;
};
