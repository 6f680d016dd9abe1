// Turning the window system's key reports into the console's key events.
//
// freeglut reports a typed key either as a character (keyboard callback) or as a
// special key (special callback), with the modifier state from glutGetModifiers.
// Its characters come from the X server's Latin-1 lookup, with Ctrl applied, so a
// character alone does not tell Backspace from Ctrl+H, Tab from Ctrl+I, Enter from
// Ctrl+M, Esc from Ctrl+[ or Ctrl+3, nor Delete from Ctrl+8: the modifier state decides
// first (no Ctrl: the named key), and with Ctrl the window asks which of the candidate
// keys was pressed: the window's own X events hold the press freeglut reports, so a
// key released before the window reads it is told apart as well.
//
// freeglut delivers nothing for Pause, Break, Scroll Lock, Shift+Tab (ISO_Left_Tab) and
// Caps Lock, and its Num Lock is ignored here: those are read from the window's own X
// events (see x_events.h) and mapped by `key_event_for_x_keysym`.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "console/key_down.h"

namespace window {

// Answers whether the key being reported is the key that produces the X keysym.
using KeyHeld = std::function<bool(unsigned long keysym)>;

// The key event of a freeglut character with the glutGetModifiers state, or nothing
// (a character above 127 that code page 437 lacks).
std::optional<console::KeyEvent> key_event_for_character(unsigned char key, int modifiers,
                                                         const KeyHeld& held);

// The key event of a freeglut special key, or nothing for the keys read from X events
// (Num Lock) and those the console has no use for (Super, Begin).
std::optional<console::KeyEvent> key_event_for_special(int key, int modifiers);

// The key event of an X key press that freeglut does not deliver (Pause, Break, Scroll
// Lock, Num Lock, Caps Lock, Shift+Tab), from its keysym after the modifiers and its
// X modifier state; nothing for every other key.
std::optional<console::KeyEvent> key_event_for_x_keysym(unsigned long keysym, unsigned state);

// Whether freeglut reports a press of the key of this keysym itself (as a character or
// a special key, Num Lock among them): every key but Pause, Break, Scroll Lock, Caps
// Lock and Shift+Tab.
bool freeglut_reports(unsigned long keysym);

}  // namespace window
