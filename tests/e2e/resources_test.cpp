// What Gemlink.exe carries: the menu, pictures, manifest and version, read
// from the built file. (Under Wine another process's menu cannot be asked
// for, so the menu is checked where the window takes it from. The icon's
// sizes are checked without Wine, by check-exe.)
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <tuple>
#include <vector>

#include "gemlink_version.h"
#include "resources/resource.h"
#include "tests/e2e/gemlink_process.h"

namespace {

class GemlinkResources : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExA((e2e::ProgramFolder() + "Gemlink.exe").c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override { FreeLibrary(module_); }

  std::string Resource(LPCSTR type, int id) const {
    const HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), type);
    if (!found) return {};
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
    return std::string(bytes, SizeofResource(module_, found));
  }

  HMODULE module_ = nullptr;
};

struct Item {
  std::string caption;
  UINT id_or_state;
  bool operator==(const Item&) const = default;
};

void PrintTo(const Item& item, std::ostream* out) {
  *out << '"' << item.caption << "\" " << item.id_or_state;
}

std::vector<Item> ItemsOf(HMENU menu) {
  std::vector<Item> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char caption[64] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = sizeof caption;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    EXPECT_EQ(info.fType, MFT_STRING) << caption << ": no separators";
    EXPECT_EQ(info.fState, MFS_ENABLED) << caption << ": nothing checked or disabled";
    items.push_back({caption, GetSubMenu(menu, i) ? 0 : info.wID});
  }
  return items;
}

TEST_F(GemlinkResources, TheMenuBarHasTheThreeMenusWordForWord) {
  const HMENU bar = LoadMenuA(module_, MAKEINTRESOURCEA(IDR_MAIN_MENU));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(ItemsOf(bar), (std::vector<Item>{{" &File ", 0}, {" &Help ", 0}, {" &About ", 0}}));
  EXPECT_EQ(ItemsOf(GetSubMenu(bar, 0)), (std::vector<Item>{{"Activate", ID_M_Activate},
                                                            {"DeActivate", ID_M_DeActivate},
                                                            {"Exit", ID_M_Exit}}));
  EXPECT_EQ(ItemsOf(GetSubMenu(bar, 1)), (std::vector<Item>{{"Versions", ID_M_Version}}));
  EXPECT_EQ(ItemsOf(GetSubMenu(bar, 2)),
            (std::vector<Item>{{"About", ID_M_About}, {"Visit WebSite", ID_M_Site}}));
  DestroyMenu(bar);
}

// Drawn for 96 DPI, and again at twice the size for higher ones.
TEST_F(GemlinkResources, ThePictureIsA283By190JpegAndTwiceThat) {
  for (const auto& [id, width, height] :
       {std::tuple{IDR_BACKGROUND, 283, 190}, std::tuple{IDR_BACKGROUND_2X, 566, 380}}) {
    const std::string jpeg = Resource(RT_RCDATA, id);
    ASSERT_GT(jpeg.size(), 4u) << id;
    EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
    // The frame header (SOF0 or SOF2) holds height and width.
    const auto sof =
        jpeg.find("\xFF\xC0") != std::string::npos ? jpeg.find("\xFF\xC0") : jpeg.find("\xFF\xC2");
    ASSERT_NE(sof, std::string::npos) << id;
    const auto byte = [&jpeg](std::size_t at) { return static_cast<unsigned char>(jpeg[at]); };
    EXPECT_EQ(byte(sof + 5) << 8 | byte(sof + 6), height) << id;
    EXPECT_EQ(byte(sof + 7) << 8 | byte(sof + 8), width) << id;
  }
}

TEST_F(GemlinkResources, TheManifestAsksForCommonControls6AndDpiAwareness) {
  const std::string manifest = Resource(RT_MANIFEST, 1);
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
  EXPECT_NE(manifest.find("supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\""),
            std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

TEST_F(GemlinkResources, TheVersionIsTheProjects) {
  const std::string path = e2e::ProgramFolder() + "Gemlink.exe";
  DWORD ignored = 0;
  std::vector<char> version(GetFileVersionInfoSizeA(path.c_str(), &ignored));
  ASSERT_FALSE(version.empty());
  ASSERT_TRUE(
      GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(version.size()), version.data()));
  auto text = [&version](const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
    return VerQueryValueA(version.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)
               ? std::string(value)
               : std::string();
  };
  EXPECT_EQ(text("ProductName"), "Gemlink");
  EXPECT_EQ(text("ProductVersion"), GEMLINK_VERSION_TEXT);

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(version.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(GEMLINK_VERSION_MINOR, GEMLINK_VERSION_MAJOR));
}

}  // namespace
