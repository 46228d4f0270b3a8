// Services of the window toolkit that code calls without a window at hand.
#pragma once

#include <cstdint>
#include <string>

namespace prefdesk::ui {

using WindowHandle = std::intptr_t;

// Message box styles and results (the platform's values).
inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// Processes pending window messages (lets windows repaint).
void DoEvents();
// Suspends painting of the window (0 resumes); returns nonzero on success.
int LockWindowUpdate(WindowHandle handle);
void Beep();
// Returns the button pressed.
int MsgBox(const std::string& prompt, int style, const std::string& title);
// Returns the text entered, or "" when cancelled.
std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& default_text = "");

}  // namespace prefdesk::ui
