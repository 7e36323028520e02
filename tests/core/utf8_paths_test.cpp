// Folder and file names in several scripts, on every system: the core takes and gives paths as
// UTF-8, and the names on the disk are those characters, whatever the system's own code page.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <variant>

#include "cli/batch_targets.h"
#include "files/file_names.h"
#include "model/device_library.h"
#include "platform/file_io.h"
#include "platform/native.h"
#include "platform/std_data_folders.h"
#include "platform/text_files.h"
#include "support/golden.h"
#include "support/scripted_platform.h"

namespace standwise {
namespace {

using Names = std::vector<std::string>;

// Latin with accents, Greek, Cyrillic, Japanese, Arabic, and a character beyond the first 65536
// (two UTF-16 units on Windows).
const Names kNames = {"Büro Nord.cfg", "Γραφείο.cfg", "Щит-1.cfg", "配電盤.cfg", "حريق.cfg", "Zone 🔥.cfg"};

Names sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Utf8Paths, FilesAreWrittenListedAndReadBackByTheirNames) {
    const test::TempFolder root;
    const std::string folder = root.file("Établissement ÆØÅ/Ολυμπία");
    ASSERT_EQ(make_folder_path(folder), std::nullopt);
    test::ScriptedPlatform platform(folder);
    for (const std::string& name : kNames)
        ASSERT_EQ(write_text_lines(data_path(platform, name), {"Site " + name}), std::nullopt) << name;

    EXPECT_EQ(test::names_in(root.path()), Names{"Établissement ÆØÅ"});
    EXPECT_EQ(test::names_in(folder), sorted(kNames));
    const std::optional<std::vector<FolderEntry>> listed = platform.list_folder(folder);
    ASSERT_TRUE(listed);
    Names names;
    for (const FolderEntry& entry : *listed) {
        names.push_back(entry.name);
        EXPECT_EQ(entry.path, data_path(platform, entry.name));
        EXPECT_TRUE(is_readable_file(entry.path)) << entry.name;
        EXPECT_EQ(platform.read_lines(entry.path).lines, Names{"Site " + entry.name});
    }
    EXPECT_EQ(names, sorted(kNames));
    EXPECT_EQ(with_filter_extension(data_path(platform, "Щит-2"), "System configuration files (*.cfg)|*.cfg"),
              data_path(platform, "Щит-2.cfg"));
}

TEST(Utf8Paths, DeviceLibraryAndDataFoldersBelowAFolderOfAnyName) {
    const test::TempFolder root;
    const std::string bin = root.file("Programme/Пожарная сигнализация/bin");
    const std::string data = root.file("Programme/Пожарная сигнализация/share/standwise");
    root.write("Programme/Пожарная сигнализация/share/standwise/devices/détecteur 煙.txt",
               "t\r\n7\r\nDétecteur 煙\r\ntip\r\n200\r\n1\r\n0\r\n3\r\n250\r\n4000\r\n");
    root.write("Programme/Пожарная сигнализация/share/standwise/devices/ошибка.txt", "t\r\n99\r\n");
    std::filesystem::create_directories(native_path(bin));
    const DataFolders folders = locate_data_folders(bin, "../share/standwise", root.file("Данные"));
    EXPECT_EQ(folders.program, data);
    EXPECT_EQ(folders.user, root.file("Данные"));
    // A library beside the program comes first.
    root.write("Programme/Пожарная сигнализация/bin/devices/détecteur 煙.txt", "");
    EXPECT_EQ(locate_data_folders(bin, "../share/standwise", root.file("Данные")).program, bin);

    test::ScriptedPlatform platform(folders.program);
    SystemModel model;
    const DeviceLibraryReport report = load_device_library(model, platform);
    EXPECT_EQ(model.device_name[7], "Détecteur 煙");
    EXPECT_DOUBLE_EQ(model.device_currents[7].alarm_current, 0.004);
    ASSERT_EQ(report.skipped.size(), 1u);
    EXPECT_EQ(report.skipped[0].path,
              root.file("Programme/Пожарная сигнализация/share/standwise/devices/ошибка.txt"));
}

TEST(Utf8Paths, CommandLineReportsAreNamedAfterTheirConfigurations) {
    const test::TempFolder root;
    const std::string a = root.write("Ανατολή/Büro.cfg", "");
    const std::string b = root.write("Запад/Büro.cfg", "");
    const std::string c = root.write("Запад/配電盤.cfg", "");
    const std::string out = root.file("Berichte");

    const auto plain = plan_reports({a, c}, true, out, false);
    ASSERT_TRUE(std::holds_alternative<ReportPlan>(plain));
    EXPECT_EQ(std::get<ReportPlan>(plain).targets[0].output, root.file("Berichte/Büro.txt"));
    EXPECT_EQ(std::get<ReportPlan>(plain).targets[1].output, root.file("Berichte/配電盤.txt"));

    const auto unique = plan_reports({a, b}, true, out, true);
    ASSERT_TRUE(std::holds_alternative<ReportPlan>(unique));
    EXPECT_EQ(std::get<ReportPlan>(unique).targets[0].output, root.file("Berichte/Ανατολή_Büro.txt"));
    EXPECT_EQ(std::get<ReportPlan>(unique).targets[1].output, root.file("Berichte/Запад_Büro.txt"));
    EXPECT_TRUE(std::holds_alternative<std::string>(plan_reports({a, b}, true, out, false)));

    // Names that differ only in letter case are one file on Windows, in every alphabet it folds.
    for (const auto& [upper, lower] :
         {std::pair{"BÜRO ÆØ.cfg", "büro æø.cfg"}, std::pair{"ΓΡΑΦΕΊΟ Σ.cfg", "γραφείο ς.cfg"},
          std::pair{"ЩИТ-Ё.cfg", "щит-ё.cfg"}, std::pair{"ŁÓDŹ Ÿ.cfg", "łódź ÿ.cfg"}}) {
        const std::string first = root.write(std::string("Ост/") + upper, "");
        const std::string second = root.write(std::string("Зап/") + lower, "");
        const auto clash = plan_reports({first, second}, true, out, false);
        ASSERT_TRUE(std::holds_alternative<std::string>(clash)) << lower;
        EXPECT_NE(std::get<std::string>(clash).find("--unique-names"), std::string::npos);
    }
    EXPECT_EQ(folded_name("Straße ×\xE9 ı İ 配"), "straße ×\xE9 ı İ 配");  // no capital, or none to fold
    EXPECT_TRUE(same_file(a, root.file("Запад/../Ανατολή/Büro.cfg")));
    EXPECT_FALSE(same_file(a, b));
}

}  // namespace
}  // namespace standwise
