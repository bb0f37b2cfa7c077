#include "res/Dialogs.h"

#include "res/resource.h"

using platform::ControlKind;
using platform::DialogControl;

namespace {

constexpr DialogControl aboutControls[] = {
    {IDC_STATIC, ControlKind::IconStatic, "", 14, 14, 20, 20},
    {IDC_ABOUT_TEXT, ControlKind::Text, "", 42, 14, 114, 8},
    {IDC_STATIC, ControlKind::Text, "Copyright (C) 2026 Ostrela", 42, 26, 114, 8},
    {IDOK, ControlKind::DefPushButton, "OK", 113, 41, 50, 14},
};

constexpr platform::DialogTemplate about{IDD_ABOUTBOX, "About", 170, 62, aboutControls};

} // namespace

const platform::DialogTemplate& aboutTemplate() {
    return about;
}
