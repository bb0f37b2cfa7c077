#pragma once

// Accelerator tables: entries in the stored form (flags, key, command), each turned into a
// keyboard shortcut of the window that posts WM_COMMAND with the command to it.

#include <QKeySequence>
#include <cstdint>
#include <span>

class QWidget;

namespace platform {

inline constexpr std::uint8_t FVIRTKEY = 0x01;
inline constexpr std::uint8_t FNOINVERT = 0x02;
inline constexpr std::uint8_t FSHIFT = 0x04;
inline constexpr std::uint8_t FCONTROL = 0x08;
inline constexpr std::uint8_t FALT = 0x10;

inline constexpr std::uint16_t VK_SPACE = 0x20;
inline constexpr std::uint16_t VK_PRIOR = 0x21;
inline constexpr std::uint16_t VK_NEXT = 0x22;
inline constexpr std::uint16_t VK_LEFT = 0x25;
inline constexpr std::uint16_t VK_UP = 0x26;
inline constexpr std::uint16_t VK_RIGHT = 0x27;
inline constexpr std::uint16_t VK_DOWN = 0x28;
inline constexpr std::uint16_t VK_ESCAPE = 0x1B;

struct Accelerator {
    std::uint8_t fVirt; // FVIRTKEY: key is a virtual key; otherwise a character
    std::uint16_t key;
    std::uint16_t cmd;
};

// The key sequence an entry stands for; empty for a key this platform has no name for.
QKeySequence toKeySequence(const Accelerator& accel);

// Installs the table on the window, in its order.
void installAccelerators(QWidget* window, std::span<const Accelerator> table);

} // namespace platform
