#pragma once

#include <span>

// Menu resources: popups of (command id, text) items; id 0 is a separator. In the texts a
// tab separates the shortcut and '&' marks the access letter.
struct MenuItem {
    int id;
    const char* text;
};

struct MenuPopup {
    const char* title;
    std::span<const MenuItem> items;
};

struct MenuResource {
    int id;
    std::span<const MenuPopup> popups;
};

// The menu with the resource number, or null.
const MenuResource* findMenu(int id);
