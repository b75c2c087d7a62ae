#pragma once
// The program's eight screens, by type. A screen shows another by its type alone, without its
// header or its library (the personal and love screens lead to each other), and a screen that
// is not in this list is a compile error. Each keeps the name the window system, the
// accessibility tree and the tests know it by.

namespace shell {
class frmSplash;
class frmChoose;
} // namespace shell
namespace personal {
class frmPersonal;
}
namespace compat {
class frmMoreinfo;
class frmProcessing;
class frmLove;
} // namespace compat
namespace about {
class frmAbout;
}

namespace shell {

template <class T>
inline constexpr const char* screenName = nullptr;

template <> inline constexpr const char* screenName<frmSplash> = "frmSplash";
template <> inline constexpr const char* screenName<frmChoose> = "frmChoose";
template <> inline constexpr const char* screenName<personal::frmPersonal> = "frmPersonal";
template <> inline constexpr const char* screenName<compat::frmMoreinfo> = "frmMoreinfo";
template <> inline constexpr const char* screenName<compat::frmProcessing> = "frmProcessing";
template <> inline constexpr const char* screenName<compat::frmLove> = "frmLove";
template <> inline constexpr const char* screenName<about::frmAbout> = "frmAbout";

} // namespace shell
