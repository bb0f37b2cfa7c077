#include "res/Menus.h"

#include "res/resource.h"

namespace {

constexpr MenuItem separator{0, nullptr};

constexpr MenuItem contextPopup[] = {
    {ID_OPEN, "Open\tCtrl+O"},
    separator,
    {ID_PLAY, "Play"},
    {ID_PAUSE, "Pause\tSpace"},
    {ID_STOP, "Stop"},
    {ID_PREVIOUS, "Previous\tPageUp"},
    {ID_NEXT, "Next\tPageDown"},
    separator,
    {ID_FULLSCREEN, "Full Screen\tF"},
    {ID_LEAVE_FULLSCREEN, "Leave Full Screen\tESC"},
    separator,
    {ID_EXIT, "E&xit"},
};

constexpr MenuItem controlPopup[] = {
    {ID_MUTE, "Mute"},           {ID_BACKWARD, "Move Backward"},  {ID_FORWARD, "Move Forward"},
    {ID_VOLUME_UP, "Volume Up"}, {ID_VOLUME_DOWN, "Volume Down"},
};

constexpr MenuItem filePopup[] = {
    {ID_OPEN, "Open"},
    {ID_CLOSE, "Close"},
    separator,
    {ID_EXIT, "E&xit"},
};

constexpr MenuItem helpPopup[] = {
    {IDM_ABOUT, "&About..."},
};

constexpr MenuItem trayPopup[] = {
    {ID_EXIT, "Exit"},
};

constexpr MenuPopup menu131[] = {{"Popup", contextPopup}, {"Control", controlPopup}};
constexpr MenuPopup menu109[] = {{"&File", filePopup}, {"&Help", helpPopup}};
constexpr MenuPopup menu4[] = {{"Tray", trayPopup}};

constexpr MenuResource menus[] = {
    {IDR_CONTEXT_MENU, menu131},
    {IDR_MAIN_MENU, menu109},
    {IDR_TRAY_MENU, menu4},
};

} // namespace

const MenuResource* findMenu(int id) {
    for (const MenuResource& menu : menus)
        if (menu.id == id)
            return &menu;
    return nullptr;
}
