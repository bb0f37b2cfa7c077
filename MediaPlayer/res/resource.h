#pragma once

// Command ids, shared by the accelerators, the menus and the control bar.
inline constexpr int IDM_ABOUT = 104;
inline constexpr int ID_OPEN = 32771;
inline constexpr int ID_EXIT = 32774;
inline constexpr int ID_FULLSCREEN = 32778;
inline constexpr int ID_LEAVE_FULLSCREEN = 32780;
inline constexpr int ID_PLAY = 32784;
inline constexpr int ID_PAUSE = 32785;
inline constexpr int ID_STOP = 32786;
inline constexpr int ID_CLOSE = 32790;
inline constexpr int ID_MUTE = 32806;
inline constexpr int ID_FORWARD = 32810;
inline constexpr int ID_PREVIOUS = 32815;
inline constexpr int ID_NEXT = 32816;
inline constexpr int ID_BACKWARD = 32817;
inline constexpr int ID_VOLUME_UP = 32820;
inline constexpr int ID_VOLUME_DOWN = 32821;

// Resource numbers.
inline constexpr int IDD_ABOUTBOX = 103;
inline constexpr int IDC_MAIN_ACCEL = 109;
inline constexpr int IDR_MAIN_MENU = 109;
inline constexpr int IDR_TRAY_MENU = 4;
inline constexpr int IDR_CONTEXT_MENU = 131;
inline constexpr int IDC_ABOUT_TEXT = 1000;
inline constexpr int IDC_STATIC = -1;
