/* The advertising library the player calls when its window is closed.
 *
 * owner is the player's main window, name its display name and url the advertising
 * page's address (both UTF-16, zero-terminated). A result of 2 keeps the player open;
 * any other value lets the close proceed. This build shows nothing. */

#include <stdint.h>

__attribute__((visibility("default"))) int libads_show(void* owner, const uint16_t* name,
                                                       const uint16_t* url) {
    (void)owner;
    (void)name;
    (void)url;
    return 0;
}
