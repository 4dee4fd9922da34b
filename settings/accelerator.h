#pragma once
// Accelerator characters of captions: "&" marks the character after it ("&&" shows one "&"), which
// is drawn underlined and which the keyboard can use to click the control.

#include <string_view>

// The caption's accelerator character (two bytes for a double-byte character); empty when the
// caption marks none. The first single "&" counts.
std::string_view AcceleratorOf(std::string_view caption);

// The key that clicks the control, upper-cased when an ASCII letter: the accelerator when it is a
// single-byte character, else 0 (no key, or a double-byte character, which no typed key matches).
char AcceleratorKey(std::string_view caption);

// True when the typed character `key` (as a character message carries it) is the caption's
// accelerator; the case of ASCII letters does not matter.
bool IsAccel(unsigned key, std::string_view caption);
