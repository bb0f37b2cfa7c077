#pragma once

#include "app/MediaPlayerApp.h"

// The product: its application class and its constant texts.
class Corvilo : public MediaPlayerApp {
public:
    ~Corvilo() override = default;

    static constexpr const char16_t* displayName = u"Corvilo";
    static constexpr const char16_t* productId = u"Corvilo";
    static constexpr const char16_t* makerName = u"Ostrela";
    static constexpr const char16_t* openFilter = u"Media Files (*.mp4)";
    static constexpr const char16_t* openPattern = u"*.mp4";
    static constexpr const char16_t* adsUrl = u"https://ads.example.com/ads/corvilo/ads.php";
    static constexpr const char16_t* version = u"1.0";
};
