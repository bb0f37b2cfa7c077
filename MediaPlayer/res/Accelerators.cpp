#include "res/Accelerators.h"

#include "res/resource.h"

using namespace platform;

namespace {

constexpr std::uint8_t VIRT = FVIRTKEY | FNOINVERT;

constexpr Accelerator table109[] = {
    {VIRT, 'F', ID_FULLSCREEN},
    {VIRT | FCONTROL, 'O', ID_OPEN},
    {VIRT, VK_LEFT, ID_BACKWARD},
    {VIRT, VK_RIGHT, ID_FORWARD},
    {VIRT, 'M', ID_MUTE},
    {VIRT, VK_NEXT, ID_NEXT},
    {VIRT, VK_SPACE, ID_PLAY},
    {VIRT, VK_PRIOR, ID_PREVIOUS},
    {VIRT, VK_DOWN, ID_VOLUME_DOWN},
    {VIRT, VK_UP, ID_VOLUME_UP},
    {FNOINVERT | FALT, '/', IDM_ABOUT},
    {FNOINVERT | FALT, '?', IDM_ABOUT},
    {VIRT, VK_ESCAPE, ID_LEAVE_FULLSCREEN},
};

} // namespace

std::span<const Accelerator> mainAccelerators() {
    return table109;
}
