#pragma once

// Base class of the application object.
class MediaPlayerApp {
public:
    virtual ~MediaPlayerApp() = default;
};
