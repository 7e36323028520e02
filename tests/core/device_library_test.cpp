#include "model/device_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "support/scripted_platform.h"

namespace standwise {
namespace {

using test::ScriptedPlatform;
using test::TempFolder;

// Lines of a file, each ending in CR LF as the shipped files do.
std::string file_of(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// An ordinary device file: title, type, name, tooltip, loop max, pseudo, flag, in fire, µA, µA.
std::string device(const std::string& type, const std::string& name, const std::string& loop_max = "200",
                   const std::string& quiescent = "250", const std::string& alarm = "4000") {
    return file_of({"title", type, name, name + " tip", loop_max, "1", "0", "3", quiescent, alarm});
}

// Loop maximum, pseudo count, maximum in fire, quiescent and alarm current (A) and units of a type.
void expect_device(const SystemModel& model, int t, const std::vector<double>& expected) {
    const DeviceCurrents& c = model.device_currents[t];
    const double actual[] = {double(model.device_loop_max[t]),
                             double(model.device_pseudo_count[t]),
                             double(model.device_max_in_fire[t]),
                             c.quiescent_current,
                             c.alarm_current,
                             c.quiescent_units,
                             c.alarm_units};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_DOUBLE_EQ(actual[i], expected[i]) << t << ":" << i;
}

class DeviceLibrary : public ::testing::Test {
protected:
    // Writes a file into the devices folder below the program folder.
    std::string put(const std::string& name, const std::string& content) {
        return folder.write("devices/" + name, content);
    }
    DeviceLibraryReport load() { return load_device_library(model, platform); }

    TempFolder folder;
    ScriptedPlatform platform{folder.path()};
    SystemModel model;
};

TEST_F(DeviceLibrary, OnlyPathsHoldingTxtInAnyCaseAreRead) {
    put("upper.TXT", device("1", "Upper"));
    put("plain.dat", device("2", "No extension"));
    put("noext", device("3", "Bare"));
    put("backup.txt.bak", device("4", "Backup"));
    DeviceLibraryReport report = load();
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_EQ(model.device_name[1], "Upper");
    EXPECT_EQ(model.device_tooltip[1], "Upper tip");
    EXPECT_EQ(model.device_name[2], "");
    EXPECT_EQ(model.device_name[3], "");
    EXPECT_EQ(model.device_name[4], "Backup");
}

TEST_F(DeviceLibrary, LinesAreReadAsNumbersAndCounts) {
    put("01.txt", device("1", "Half down", "2.5", "12.5", "4000"));
    put("02.txt", device("2", "Half up", "3.5", "300", "0"));
    put("03.txt", device(" 3 ", "Spaced", "1 000", "0", "1 000"));
    // Every form a number may take: blanks around and inside it, a sign, a point, an exponent. The
    // unused flag line may hold anything.
    put("04.txt", file_of({"t", "+4", "Forms", "", "\t-0 ", "+ 2", "flag", "1.", "5E1", " .25e+4 \t"}));
    const DeviceLibraryReport report = load();
    EXPECT_TRUE(report.skipped.empty()) << report.skipped[0].reason;

    expect_device(model, 1, {2, 1, 3, 0.0000125, 0.004, 0.03125, 10});
    expect_device(model, 2, {4, 1, 3, 0.0003, 0, 0, 0});  // no alarm current, no load units at all
    expect_device(model, 3, {1000, 1, 3, 0, 0.001, 0, 2.5});
    expect_device(model, 4, {0, 2, 1, 0.00005, 0.0025, 0.125, 6.25});
    EXPECT_EQ(model.device_tooltip[4], "");
    for (int t = 0; t < kDeviceTypes; ++t)
        EXPECT_EQ(model.device_defined[t], t >= 1 && t <= 4) << t;
}

TEST_F(DeviceLibrary, LaterFileInNameOrderOverwritesEarlier) {
    put("b.txt", device("5", "Second", "20", "100", "200"));
    put("a.txt", device("5", "First", "10", "300", "5000"));
    // An interface file on a type sets only the name, tooltip and maximum; the currents stay.
    put("c.txt", device("75", "Ordinary", "10", "400", "800"));
    put("d Q7-MX210.txt", file_of({"t", "75", "Interface", "tip", "0.0002", "30", ".1", ".2", ".3", ".4"}));
    DeviceLibraryReport report = load();
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_EQ(model.device_name[5], "Second");
    expect_device(model, 5, {20, 1, 3, 0.0001, 0.0002, 0.25, 0.5});
    EXPECT_EQ(model.device_name[75], "Interface");
    expect_device(model, 75, {30, 1, 3, 0.0004, 0.0008, 1, 2});

    // No type is overwritten unsaid: each one defined twice is listed with its files, the last used.
    ASSERT_EQ(report.defined_twice.size(), 2u);
    EXPECT_EQ(report.defined_twice[0].device_type, 5);
    EXPECT_EQ(report.defined_twice[0].files, (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(report.defined_twice[1].device_type, 75);
    EXPECT_EQ(report.defined_twice[1].files, (std::vector<std::string>{"c.txt", "d Q7-MX210.txt"}));
}

TEST_F(DeviceLibrary, InterfaceFilesFillTheirConstantsInAmperes) {
    put("x Q7-MX210.txt", file_of({"t", "75", "MX210", "a", "0.00025", "32.5", ".1", ".2", ".3", ".4"}));
    put("y Q7-MX220.txt", file_of({"t", "76", "MX220", "b", "1", "60", ".2", ".3", ".4", ".5", ".6", ".7"}));
    put("z Q7-MX240.txt",
        file_of({"t", "77", "MX240", "c", "1", "75", ".2", ".3", ".4", ".5", ".6", ".7", ".8", ".9"}));
    EXPECT_TRUE(load().skipped.empty());
    const InterfaceConstants& c = model.interface_constants;
    using Values = std::vector<double>;
    EXPECT_EQ((Values{c.mx210_unit_current, c.mx210_max_per_loop, c.mx210_zone_quiescent, c.mx210_zone_alarm,
                      c.mx210_input_quiescent, c.mx210_input_alarm}),
              (Values{0.00025, 32.5, .1, .2, .3, .4}));  // the maximum is kept as written and used rounded
    // A maximum above the 50 units a loop record holds is capped.
    EXPECT_EQ((Values{c.mx220_unit_current, c.mx220_max_per_loop, c.mx220_zone_quiescent, c.mx220_zone_alarm,
                      c.mx220_input_quiescent, c.mx220_input_alarm, c.mx220_output_quiescent,
                      c.mx220_output_alarm}),
              (Values{1, 50, .2, .3, .4, .5, .6, .7}));
    EXPECT_EQ(
        (Values{c.mx240_unit_current, double(c.mx240_max_per_loop), c.mx240_zone_quiescent,
                c.mx240_zone_alarm, c.mx240_input_quiescent, c.mx240_input_alarm, c.mx240_relay_quiescent,
                c.mx240_relay_alarm, c.mx240_led_quiescent, c.mx240_led_alarm}),
        (Values{1, 50, .2, .3, .4, .5, .6, .7, .8, .9}));
    EXPECT_EQ(model.device_loop_max[75], 32);
    EXPECT_EQ(model.device_loop_max[76], 50);
    EXPECT_EQ(model.device_loop_max[77], 50);
    EXPECT_EQ(model.device_currents[77].alarm_current, 0);
}

// Only the file's own name counts: a program folder below a folder named like an interface file
// reads its ordinary files as ordinary, and a folder named ".txt" makes no file a device file.
TEST(DeviceLibraryFolder, FolderNamesAboveAFileDoNotCount) {
    TempFolder folder;
    ScriptedPlatform platform(folder.file("Q7-MX220 x.txt"));
    folder.write("Q7-MX220 x.txt/devices/b.txt", device("3", "Ordinary"));
    folder.write("Q7-MX220 x.txt/devices/notes", device("4", "No extension"));
    SystemModel model;
    EXPECT_TRUE(load_device_library(model, platform).skipped.empty());
    EXPECT_EQ(model.device_name[3], "Ordinary");
    EXPECT_EQ(model.device_name[4], "");
    EXPECT_EQ(model.interface_constants.mx220_unit_current, 0);
}

TEST_F(DeviceLibrary, FaultyFileIsSkippedWholeAndNamed) {
    struct Case {
        std::string name, content, reason;
    };
    const std::string type_reason = "its device type number (line 2) is outside 1 to 79";
    const std::string range_reason = " holds a whole number outside -32768 to 32767";
    const std::string current_reason = " holds a current outside 0 to 1000000 µA";
    const std::string not_finite = " holds a current that is not a finite number";
    const Case cases[] = {
        {"b.txt", file_of({"t", "5", "Short", "tip", "9", "1", "0", "3", "250"}), "it ends before line 10"},
        {"b.txt", device("0", "Zero"), type_reason},
        {"b.txt", device("80", "Eighty"), type_reason},
        {"b.txt", device("79.5", "Rounds to 80"), type_reason},
        // A number line holds a number and nothing else; the text is quoted, cut and escaped.
        {"b.txt", device("abc", "Letters"), "line 2 holds \"abc\", which is not a number"},
        {"b.txt", device("5", "Oh", "9", "3OO"), "line 9 holds \"3OO\", which is not a number"},
        {"b.txt", device("5", "Comma", "9", "250", "4,200"),
         "line 10 holds \"4,200\", which is not a number"},
        {"b.txt", device("5", "Oh", "9", "25O"), "line 9 holds \"25O\", which is not a number"},
        {"b.txt", device("5", "Tail", "9", "250", "4000abc"),
         "line 10 holds \"4000abc\", which is not a number"},
        {"b.txt", device("5", "Empty", "9", ""), "line 9 holds \"\", which is not a number"},
        {"b.txt", device("5", "Word max", "ten"), "line 5 holds \"ten\", which is not a number"},
        {"b.txt", device("5", "Long", "9", "250", "1" + std::string(100, 'x') + "\x1b[2J"),
         "line 10 holds \"1" + std::string(79, 'x') + "...\", which is not a number"},
        {"b.txt", device("5", "Control", "9", "25\x1b]0;x\x07"),
         "line 9 holds \"25\\x1B]0;x\\x07\", which is not a number"},
        // A name or tooltip is shown as it stands: a control character marks a damaged file.
        {"b.txt", device("5", std::string("Nul\0name", 8)), "line 3 holds a control character"},
        {"b.txt", file_of({"t", "5", "Name", "tip\x1b[2J", "9", "1", "0", "3", "250", "4000"}),
         "line 4 holds a control character"},
        {"b Q7-MX210.txt", file_of({"t", "75", "MX\xC2\x85", "", "1", "2", "2", "3", "4", "5"}),
         "line 3 holds a control character"},
        {"b Q7-MX210.txt", file_of({"t", "75", "MX210", "", "1", "-2", "2", "3", "4", "5"}),
         "line 6 holds a negative count"},
        {"b Q7-MX240.txt",
         file_of({"t", "77", "MX240", "", "1", "-20", "2", "3", "4", "5", "6", "7", "8", "9"}),
         "line 6 holds a negative count"},
        {"b Q7-MX220.txt", file_of({"t", "76", "MX220", "", ".001", "20", "0", "0", "0", "0", "0", ".5mA"}),
         "line 12 holds \".5mA\", which is not a number"},
        {"b.txt", device("5", "Huge max", "40000"), "line 5" + range_reason},
        {"b.txt", file_of({"t", "5", "Huge fire", "", "9", "1", "0", "-40000", "1", "2"}),
         "line 8" + range_reason},
        {"b Q7-MX210.txt", file_of({"t", "5", "Huge", "", "1", "1e6", "2", "3", "4", "5"}),
         "line 6" + range_reason},
        {"b Q7-MX240.txt", file_of({"t", "5", "MX240", "", "1", "20", "2", "3", "4", "5", "6", "7", "8"}),
         "it ends before line 14"},
        {"b.txt", device("5", "Negative max", "-1"), "line 5 holds a negative count"},
        // Currents: finite, not negative, at most 1000000 uA for a device and 1 A for an interface.
        {"b.txt", device("5", "Negative", "9", "-1"), "line 9" + current_reason},
        {"b.txt", device("5", "Sign alone", "9", "250", "- 3e50"), "line 10" + current_reason},
        {"b.txt", device("5", "Over", "9", "250", "1000001"), "line 10" + current_reason},
        {"b.txt", device("5", "Huge", "9", "1e308"), "line 9" + current_reason},
        {"b.txt", device("5", "Overflow", "9", "1e999"), "line 9" + not_finite},
        {"b.txt", device("5", "Infinite", "9", "250", " -Inf"), "line 10" + not_finite},
        {"b.txt", device("5", "Not a number", "9", "NaN"), "line 9" + not_finite},
        {"b Q7-MX240.txt",
         file_of({"t", "77", "MX240", "", "1e308", "20", "2", "3", "4", "5", "6", "7", "8", "9"}),
         "line 5 holds a current outside 0 to 1 A"},
        {"b Q7-MX220.txt", file_of({"t", "76", "MX220", "", ".001", "20", "0", "0", "0", "0", "0", "1.01"}),
         "line 12 holds a current outside 0 to 1 A"},
    };
    put("a.txt", device("5", "Good", "9", "300", "5000"));
    for (const Case& c : cases) {
        model = SystemModel{};
        std::string faulty = put(c.name, c.content);
        DeviceLibraryReport report = load();
        std::filesystem::remove(faulty);
        ASSERT_EQ(report.skipped.size(), 1u) << c.reason;
        EXPECT_EQ(report.skipped[0].path, faulty);
        EXPECT_EQ(report.skipped[0].reason, c.reason);
        EXPECT_EQ(model.device_name[5], "Good") << c.reason;
        expect_device(model, 5, {9, 1, 3, 0.0003, 0.005, 0.75, 12.5});
        EXPECT_EQ(model.device_name[0] + model.device_name[80], "");
        EXPECT_EQ(model.interface_constants.mx240_unit_current + model.interface_constants.mx210_unit_current,
                  0);
    }
}

TEST_F(DeviceLibrary, FindingsAreShownInOneMessageEach) {
    DeviceLibraryReport missing = load();
    EXPECT_TRUE(missing.folder_unreadable);
    EXPECT_EQ(missing.folder, folder.file("devices"));
    report_device_library(missing, platform);
    EXPECT_EQ(platform.messages,
              (test::Messages{{"The device library folder could not be read:\r\n" + folder.file("devices") +
                                   "\r\nNo device types are available.",
                               "Device Library", MessageStyle::OkExclamation}}));

    // An empty folder is no finding and leaves the library empty; folders in it are not files.
    platform.clear_messages();
    std::filesystem::create_directories(folder.file("devices/sub.txt"));
    DeviceLibraryReport empty = load();
    EXPECT_FALSE(empty.folder_unreadable);
    report_device_library(empty, platform);
    EXPECT_TRUE(platform.messages.empty());
    for (int t = 0; t < kDeviceTypes; ++t)
        EXPECT_TRUE(model.device_name[t].empty() && model.device_loop_max[t] == 0) << t;

    std::string first = put("a.txt", device("0", "Zero"));
    std::string second = put("b.txt", file_of({"t", "5"}));
    put("c.txt", device("6", "Fine"));
    put("c.txt~", device("6", "Backup"));
    report_device_library(load(), platform);
    EXPECT_EQ(platform.messages,
              (test::Messages{{"These device files were skipped:\r\n" + first +
                                   " - its device type number (line 2) is outside 1 to 79.\r\n" + second +
                                   " - it ends before line 10.\r\n\r\n"
                                   "These device types are defined by more than one file; the file read last "
                                   "is used:\r\nDevice type 6: c.txt, c.txt~ - using c.txt~.",
                               "Device Library", MessageStyle::OkExclamation}}));
    EXPECT_EQ(model.device_name[6], "Backup");
}

}  // namespace
}  // namespace standwise
