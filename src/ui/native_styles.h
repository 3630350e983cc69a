// The Win32 style bits that the form of the main window names. They are plain
// numbers here so that the form stays portable data; the Win32 layer checks
// every one of them against <windows.h> at compile time.
#pragma once

#include <cstdint>

namespace tcls::style {

// Window styles.
inline constexpr std::uint32_t kOverlapped = 0x00000000;
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kClipSiblings = 0x04000000;
inline constexpr std::uint32_t kClipChildren = 0x02000000;
inline constexpr std::uint32_t kDisabled = 0x08000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kTabStop = 0x00010000;
inline constexpr std::uint32_t kExClientEdge = 0x00000200;

// Edit control styles.
inline constexpr std::uint32_t kEditMultiline = 0x0004;
inline constexpr std::uint32_t kEditAutoVScroll = 0x0040;
inline constexpr std::uint32_t kEditWantReturn = 0x1000;

// Button styles.
inline constexpr std::uint32_t kButtonPush = 0x0000;
inline constexpr std::uint32_t kButtonCenter = 0x0300;
inline constexpr std::uint32_t kButtonVCenter = 0x0C00;
inline constexpr std::uint32_t kButtonMultiline = 0x2000;

}  // namespace tcls::style
