// Unsaved changes in the system workspace: the title's mark, Save to the file in use, the
// Save/Discard/Cancel question on New, Load and Exit, and none while nothing has changed.
#include <QAction>

#include "platform/text_files.h"
#include "support/golden.h"
#include "system_files_fixture.h"
#include "ui/recovery.h"

namespace standwise::test {
namespace {

using Choice = std::optional<std::size_t>;

class UnsavedChangesTest : public SystemFilesTest {
protected:
    RecordedChoice save_question(const std::string& name, const std::string& before) {
        return {
            "Save changes to " + name + " before " + before + "?", "Standwise - System", {"Save", "Discard"}};
    }
};

TEST_F(UnsavedChangesTest, TitleMarksChangesAndSaveWritesTheFileInUse) {
    EXPECT_FALSE(main().isWindowModified());
    EXPECT_EQ(main().windowTitle().toStdString(), "Standwise - System - Caldris XX - [*]");
    main().txtsite->setText(QStringLiteral("Harbour"));
    EXPECT_TRUE(main().isWindowModified());
    main().txtsite->setText(QString());
    EXPECT_FALSE(main().isWindowModified());  // back as it started: nothing to save

    main().txtsite->setText(QStringLiteral("Harbour"));
    const std::string path = folder.file("harbour.cfg");
    platform.choose_next(path);
    main().mnusavefile->trigger();  // no file yet: the chooser
    EXPECT_EQ(platform.choosers.size(), 1u);
    EXPECT_FALSE(main().isWindowModified());
    main().txtma1->setText(QStringLiteral("120"));
    EXPECT_TRUE(main().isWindowModified());
    main().mnusavefile->trigger();  // the file in use, without chooser or question
    EXPECT_EQ(platform.choosers.size(), 1u);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(lines_of(path), main().configuration_lines());
    EXPECT_FALSE(main().isWindowModified());

    // A loaded file is the file in use.
    start_new();
    load(path);
    main().txtsite->setText(QStringLiteral("Harbour 2"));
    main().mnusavefile->trigger();
    EXPECT_EQ(lines_of(path)[1], "Harbour 2");
    EXPECT_EQ(platform.choosers.size(), 2u);  // the load's alone
}

TEST_F(UnsavedChangesTest, NewLoadAndExitOfferToSaveOnlyWhatChanged) {
    // Nothing changed: the usual questions.
    main().mnunew->trigger();
    platform.answer_next(Answer::Cancel);
    main().mnuexit->trigger();
    EXPECT_EQ(platform.captions(), (Texts{"Clear System Configuration", "Exit Program"}));
    EXPECT_TRUE(platform.choice_questions.empty());

    main().txtsite->setText(QStringLiteral("Harbour"));
    platform.clear_messages();
    platform.pick_next(Choice{});  // Cancel
    main().mnunew->trigger();
    EXPECT_EQ(platform.choice_questions,
              Choices{save_question("the system configuration", "starting a new configuration")});
    EXPECT_EQ(text(main().txtsite), "Harbour");
    EXPECT_TRUE(platform.messages.empty());

    platform.pick_next(1);  // Discard
    main().mnunew->trigger();
    EXPECT_EQ(text(main().txtsite), "");
    EXPECT_TRUE(platform.messages.empty());

    // Save, through the chooser, then the new configuration.
    main().txtsite->setText(QStringLiteral("Quay"));
    const std::string quay = folder.file("quay.cfg");
    platform.pick_next(0);
    platform.choose_next(quay);
    main().mnunew->trigger();
    EXPECT_EQ(lines_of(quay)[1], "Quay");
    EXPECT_EQ(text(main().txtsite), "");

    // Load asks about the configuration being replaced, named by its file.
    load(quay);
    main().txtsite->setText(QStringLiteral("Quay 2"));
    platform.choice_questions.clear();
    platform.pick_next(Choice{});
    platform.choose_next(quay);
    main().mnuload->trigger();
    EXPECT_EQ(platform.choice_questions, Choices{save_question(quay, "loading " + quay)});
    EXPECT_EQ(text(main().txtsite), "Quay 2");

    // Exit and the close box: Cancel keeps the window.
    platform.clear_messages();
    platform.pick_next(Choice{});
    main().mnuexit->trigger();
    platform.pick_next(Choice{});
    main().close();
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.choice_questions.back(), save_question(quay, "closing"));
}

TEST_F(UnsavedChangesTest, CutFileAsksBeforeAnythingChanges) {
    enter_rich_panel();
    const Texts full = lines_of(save("rich.cfg"));
    const std::string cut = folder.file("cut.cfg");
    ASSERT_FALSE(write_text_lines(cut, Texts(full.begin(), full.begin() + 40)));
    start_new();
    main().txtsite->setText(QStringLiteral("Open one"));
    const Texts before = shown();

    platform.answer_next(Answer::No);  // the change may go, but not for a cut file
    load(cut);
    EXPECT_EQ(
        platform.messages,
        (Messages{{"The file " + cut +
                       " could not be read whole: reading stopped at line 41 (the file ends early). Load the "
                       "part that could be read into a new configuration?",
                   "Load System Configuration", MessageStyle::YesNoQuestion}}));
    EXPECT_EQ(shown(), before);

    load(cut);  // Yes: the part read, as a new configuration
    EXPECT_EQ(text(main().txtsite), full[1]);
    EXPECT_TRUE(main().isWindowModified());
    EXPECT_EQ(ctx->system.file_path, "");
}

TEST_F(UnsavedChangesTest, RecoveryCopyIsWrittenAndOfferedAfterACrash) {
    TempFolder data;
    platform.set_recovery_folder(data.file("recovery"));
    const std::string copy = recovery_copy_path(*ctx, Workspace::System);
    RecoveryCopies copies(*ctx, nullptr);
    copies.write_copies();  // nothing unsaved, nothing written
    EXPECT_TRUE(lines_of(copy).empty());
    main().txtsite->setText(QStringLiteral("Harbour"));
    main().txtma1->setText(QStringLiteral("150"));
    copies.write_copies();
    const Texts written = main().configuration_lines();
    EXPECT_EQ(lines_of(copy), written);

    // The program ends without removing it; the next start offers it.
    ctx.reset();
    ctx = std::make_unique<AppContext>(platform);
    main().Form_Load();
    platform.clear_messages();
    RecoveryCopies next(*ctx, nullptr);
    platform.answer_next(Answer::Yes);
    next.offer_left_copies();
    EXPECT_EQ(platform.messages,
              (Messages{{"Standwise did not close normally. Open the configurations it was working on?",
                         "Standwise", MessageStyle::YesNoQuestion}}));
    EXPECT_EQ(main().configuration_lines(), written);
    EXPECT_TRUE(main().isWindowModified());
    EXPECT_EQ(ctx->system.file_path, "");

    // Declined, the copies go.
    platform.answer_next(Answer::No);
    next.offer_left_copies();
    EXPECT_TRUE(lines_of(copy).empty());
    next.offer_left_copies();  // nothing left: nothing asked
    EXPECT_EQ(platform.messages.size(), 2u);
}

}  // namespace
}  // namespace standwise::test
