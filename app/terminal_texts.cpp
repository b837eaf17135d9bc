#include "terminal_texts.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace mirt2 {

namespace {

// The manual pages (docs/mirt2.1.in, docs/mirt2.ja.1.in) describe the same options and
// lines: change them together.
constexpr TerminalTexts kEnglish{
    .usage =
        "Usage: mirt2 [--help | --version | --restore STATE]\n"
        "\n"
        "One small window of one, five or ten stopwatches, with a Japanese user\n"
        "interface. Qt's options, such as -platform NAME, are accepted too, and\n"
        "other arguments are ignored.\n"
        "\n"
        "  --help     print this help and exit\n"
        "  --version  print the version and exit\n"
        "  --restore STATE\n"
        "             come back as an earlier run left the window: so Windows and\n"
        "             X session managers start mirt2 again after a restart or a\n"
        "             sign-out; a STATE that does not fit gets the normal start\n"
        "\n"
        "It needs a graphical session: DISPLAY (X11) or WAYLAND_DISPLAY (Wayland).\n",
    .needs_session =
        "mirt2: needs a graphical session, but neither DISPLAY nor WAYLAND_DISPLAY is set\n",
    .no_display_answered = "mirt2: could not open a window: no display server answered (%s)\n",
    .unset = "(unset)",
    .separator = ", ",
    .needs_wayland_plugin =
        "mirt2: this Wayland session needs Qt's Wayland plugin: install qt6-wayland, or run "
        "mirt2 under XWayland with DISPLAY set\n",
    .restore_refused = "mirt2: the state to restore does not fit (%s); starting afresh\n",
    .restore_not_in_front =
        "mirt2: this desktop keeps no window above the others; the window comes back in "
        "ordinary stacking\n",
};

constexpr TerminalTexts kJapanese{
    .usage =
        "使い方: mirt2 [--help | --version | --restore STATE]\n"
        "\n"
        "ストップウォッチを 1 個、5 個または 10 個表示する小さなウィンドウを開きます。\n"
        "\n"
        "  --help     この説明を表示して終了します。\n"
        "  --version  バージョンを表示して終了します。\n"
        "  --restore STATE\n"
        "             前回のウィンドウの状態に戻して起動します。\n"
        "             Windows や X のセッションマネージャーが、再起動や\n"
        "             サインアウトのあとに、このオプションで起動します。\n"
        "             STATE が使えないときは、通常どおり起動します。\n"
        "\n"
        "このほか、-platform NAME などの Qt のオプションを受け付けます。それ以外の\n"
        "引数は無視します。X11（DISPLAY）または Wayland（WAYLAND_DISPLAY）の\n"
        "グラフィカルセッションが必要です。\n",
    .needs_session =
        "mirt2: グラフィカルセッションが必要ですが、DISPLAY も WAYLAND_DISPLAY も"
        "設定されていません。\n",
    .no_display_answered =
        "mirt2: ディスプレイサーバーが応答しないため、ウィンドウを開けませんでした（%s）。\n",
    .unset = "未設定",
    .separator = "、",
    .needs_wayland_plugin =
        "mirt2: この Wayland セッションでは Qt の Wayland プラグインが必要です。"
        "qt6-wayland をインストールするか、DISPLAY を設定して XWayland で起動してください。\n",
    .restore_refused = "mirt2: 復元する状態が使えないため（%s）、通常どおり起動します。\n",
    .restore_not_in_front =
        "mirt2: このデスクトップではウィンドウを常に前面に置けないため、"
        "ほかのウィンドウと同じ重なり方で表示します。\n",
};

#ifdef _WIN32
bool UserSpeaksJapanese() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
}
#else
std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string_view(value) : std::string_view();
}

bool IsUtf8(std::string_view codeset) {
  std::string lower(codeset);
  std::ranges::transform(lower, lower.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return lower == "utf-8" || lower == "utf8";
}

// "ja", "ja_JP", "ja_JP.UTF-8", "ja_JP.utf8@modifier"; not "jam" or "ja_JP.eucJP".
bool UserSpeaksJapanese() {
  const std::string_view lc_all = Variable("LC_ALL");
  const std::string_view lc_messages = Variable("LC_MESSAGES");
  const std::string_view name = !lc_all.empty()        ? lc_all
                                : !lc_messages.empty() ? lc_messages
                                                       : Variable("LANG");
  const std::string_view language = name.substr(0, name.find_first_of("_.@"));
  if (language != "ja") return false;
  const std::size_t dot = name.find('.');
  if (dot == std::string_view::npos) return true;
  const std::string_view codeset = name.substr(dot + 1, name.find('@', dot) - dot - 1);
  return IsUtf8(codeset);
}
#endif

}  // namespace

const TerminalTexts& TextsForUser() {
  static const TerminalTexts& texts = UserSpeaksJapanese() ? kJapanese : kEnglish;
  return texts;
}

}  // namespace mirt2
