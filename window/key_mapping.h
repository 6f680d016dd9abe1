// Turning the window system's key reports into the console's key events.
//
// freeglut reports a typed key either as a character (keyboard callback) or as a
// special key (special callback), with the modifier state from glutGetModifiers.
// Its characters come from the X server's Latin-1 lookup, with Ctrl applied, so a
// character alone does not tell Backspace from Ctrl+H, Tab from Ctrl+I, Enter from
// Ctrl+M, Esc from Ctrl+[ or Ctrl+3, nor Delete from Ctrl+8: the modifier state decides
// first (no Ctrl: the named key), and with Ctrl the key pressed decides, as the
// window's log of key presses (key_log.h) tells it.
//
// freeglut delivers nothing for Pause, Break, Scroll Lock, Shift+Tab (ISO_Left_Tab) and
// Caps Lock, and the console has no use for a Num Lock as freeglut reports it: those
// are taken from the window's key presses as the X server sent them (key_log.h) and
// mapped by `key_event_for_x_keysym`.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "console/key_down.h"

namespace window {

// Answers whether the key freeglut reports now is the key of the X keysym.
using ReportedKeyIs = std::function<bool(unsigned long keysym)>;

// The key event of a freeglut character with the glutGetModifiers state, or nothing
// (a character above 127 that code page 437 lacks).
std::optional<console::KeyEvent> key_event_for_character(unsigned char key, int modifiers,
                                                         const ReportedKeyIs& pressed);

// The key event of a freeglut special key, or nothing for the keys whose press decides
// (Num Lock, with or without Ctrl) and those the console has no use for (Super, Begin).
std::optional<console::KeyEvent> key_event_for_special(int key, int modifiers);

// The key event of an X key press that freeglut does not deliver, or delivers as a key
// the console does not use (Pause, Break, Scroll Lock, Num Lock, Caps Lock,
// Shift+Tab), from its keysym after the modifiers and its X modifier state; nothing
// for every other key.
std::optional<console::KeyEvent> key_event_for_x_keysym(unsigned long keysym, unsigned state);

}  // namespace window
