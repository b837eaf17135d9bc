// Reads this program's own resources, which are mirt2.exe's, the way Explorer
// does: version information through the version API, the icon as a resource.
#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace mirt2 {
namespace {

// The window title, ミルテス-２, spelt in code points so that this file's
// encoding cannot make the test agree with a wrongly encoded resource.
constexpr const wchar_t* kJapaneseName = L"\u30DF\u30EB\u30C6\u30B9-\uFF12";

std::vector<unsigned char> OwnVersionInfo() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return {};
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  if (size == 0) return {};
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(path, 0, size, data.data())) return {};
  return data;
}

std::wstring StringValue(std::vector<unsigned char>& info, const wchar_t* block,
                         const wchar_t* name) {
  const std::wstring query = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(info.data(), query.c_str(), &value, &length) || length == 0) {
    return L"(missing)";
  }
  return static_cast<const wchar_t*>(value);
}

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return "(not convertible)";
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  out.resize(static_cast<size_t>(size) - 1);
  return out;
}

TEST(ResourcesTest, VersionInformationCarriesTheProjectVersion) {
  std::vector<unsigned char> info = OwnVersionInfo();
  ASSERT_FALSE(info.empty()) << "no version information: " << GetLastError();

  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &value, &length));
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const DWORD high = MAKELONG(MIRT2_PROJECT_VERSION_MINOR, MIRT2_PROJECT_VERSION_MAJOR);
  const DWORD low = MAKELONG(0, MIRT2_PROJECT_VERSION_PATCH);
  EXPECT_EQ(fixed->dwFileVersionMS, high);
  EXPECT_EQ(fixed->dwFileVersionLS, low);
  EXPECT_EQ(fixed->dwProductVersionMS, high);
  EXPECT_EQ(fixed->dwProductVersionLS, low);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  for (const wchar_t* block : {L"041104B0", L"040904B0"}) {
    EXPECT_EQ(Utf8(StringValue(info, block, L"FileVersion")), MIRT2_PROJECT_VERSION);
    EXPECT_EQ(Utf8(StringValue(info, block, L"ProductVersion")), MIRT2_PROJECT_VERSION);
    EXPECT_EQ(StringValue(info, block, L"OriginalFilename"), L"mirt2.exe");
  }
}

TEST(ResourcesTest, NamesTheProgramInJapaneseAndEnglish) {
  std::vector<unsigned char> info = OwnVersionInfo();
  ASSERT_FALSE(info.empty());

  // Explorer picks the block of the user's language from this list.
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &value, &length));
  const auto* words = static_cast<const WORD*>(value);
  const std::vector<WORD> translations(words, words + length / sizeof(WORD));
  EXPECT_EQ(translations, (std::vector<WORD>{0x0411, 1200, 0x0409, 1200}));

  EXPECT_EQ(Utf8(StringValue(info, L"041104B0", L"ProductName")), Utf8(kJapaneseName));
  const std::wstring japanese = StringValue(info, L"041104B0", L"FileDescription");
  EXPECT_EQ(japanese.rfind(kJapaneseName, 0), 0u) << Utf8(japanese);

  EXPECT_EQ(StringValue(info, L"040904B0", L"ProductName"), L"mirt2");
  EXPECT_EQ(StringValue(info, L"040904B0", L"FileDescription"), L"mirt2 multi-stopwatch");
}

// The on-disk layout of an icon group resource (GRPICONDIR and its entries).
#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width;  // 0 means 256
  BYTE height;
  BYTE colour_count;
  BYTE reserved;
  WORD planes;
  WORD bit_count;
  DWORD bytes;
  WORD id;
};
struct IconGroupHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
#pragma pack(pop)

TEST(ResourcesTest, IconHoldsTheSizesWindowsAsksFor) {
  const HMODULE self = GetModuleHandleW(nullptr);
  // 14 is RT_GROUP_ICON, whose macro takes the narrow form here.
  // The name that Qt loads the icon of its window class by.
  const HRSRC found = FindResourceW(self, L"IDI_ICON1", MAKEINTRESOURCEW(14));
  ASSERT_NE(found, nullptr);
  const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(self, found)));
  ASSERT_NE(bytes, nullptr);
  const DWORD size = SizeofResource(self, found);
  ASSERT_GE(size, sizeof(IconGroupHeader));
  IconGroupHeader header;
  std::memcpy(&header, bytes, sizeof header);
  EXPECT_EQ(header.type, 1);  // icons, not cursors
  ASSERT_EQ(size, sizeof header + header.count * sizeof(IconGroupEntry));

  std::set<int> sizes;
  for (WORD i = 0; i < header.count; ++i) {
    IconGroupEntry entry;
    std::memcpy(&entry, bytes + sizeof header + i * sizeof entry, sizeof entry);
    const int width = entry.width == 0 ? 256 : entry.width;
    EXPECT_EQ(entry.height == 0 ? 256 : entry.height, width);
    EXPECT_EQ(entry.bit_count, 32) << width << " px: full colour with alpha";
    sizes.insert(width);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 256}));

  // Each size loads as an icon of that size: the 256 px one is stored as PNG.
  for (const int wanted : sizes) {
    const auto icon = static_cast<HICON>(
        LoadImageW(self, L"IDI_ICON1", IMAGE_ICON, wanted, wanted, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr) << wanted << " px";
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon, &parts));
    BITMAP bitmap{};
    GetObjectW(parts.hbmColor ? parts.hbmColor : parts.hbmMask, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, wanted);
    if (parts.hbmColor) DeleteObject(parts.hbmColor);
    if (parts.hbmMask) DeleteObject(parts.hbmMask);
    DestroyIcon(icon);
  }
}

bool UnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

TEST(ResourcesTest, WindowsRunsTheProgramAsItsManifestAsks) {
  // The narrow-character APIs, Qt's and the C runtime's, speak UTF-8.
  EXPECT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
  if (UnderWine()) {
    GTEST_SKIP() << "Wine gives its configured Windows version to every program and takes "
                    "every program for per-monitor DPI aware";
  }
  // Windows 10 and 11 give their own version only to a program that declares them.
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
#ifdef _MSC_VER
#pragma warning(suppress : 4996)  // deprecated for this very reason
#endif
  ASSERT_TRUE(GetVersionExW(&version));
  EXPECT_EQ(version.dwMajorVersion, 10u);
  EXPECT_TRUE(AreDpiAwarenessContextsEqual(GetThreadDpiAwarenessContext(),
                                           DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2));
}

}  // namespace
}  // namespace mirt2
