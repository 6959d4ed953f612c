#pragma once
#include <stdexcept>
#include <string>

namespace nervalo {

// An error whose German text goes to the user unchanged: conversion errors, unreadable or
// unwritable files, floating-point faults. Command handlers catch it and show the text.
class Fehler : public std::runtime_error {
  public:
    explicit Fehler(const std::string& text) : std::runtime_error(text) {}
};

} // namespace nervalo
