// The analysis window state: control names, radio groups, change notifications, and the
// scripted prompter the headless sessions answer with.

#include "app/ScriptedPrompter.h"
#include "app/WindowState.h"

#include <QSignalSpy>
#include <QTest>

using namespace wattmere;

class TestWindowState : public QObject {
    Q_OBJECT
private slots:
    void namesRoundTrip();
    void numericFieldsFollowParameterOrder_data();
    void numericFieldsFollowParameterOrder();
    void radioButtonsExcludeEachOtherWithinTheirGroup();
    void changesAreAnnouncedOnlyWhenSomethingChanges();
    void startsWithTheDesignChoices();
    void scriptedPrompterAnswersFromItsQueueThenByPolicy();
};

void TestWindowState::namesRoundTrip() {
    for (int i = 0; i < countOf<Field>(); ++i) {
        const auto id = static_cast<Field>(i);
        QCOMPARE(fieldByName(nameOf(id)), std::optional<Field>(id));
    }
    for (int i = 0; i < countOf<Label>(); ++i) {
        const auto id = static_cast<Label>(i);
        QCOMPARE(labelByName(nameOf(id)), std::optional<Label>(id));
    }
    QCOMPARE(nameOf(Field::A175), QStringLiteral("A175"));
    QCOMPARE(nameOf(Label::SURGE010), QStringLiteral("SURGE010"));
    QCOMPARE(nameOf(Choice::SELECTION_MTR_03), QStringLiteral("SELECTION_MTR_03"));
    QVERIFY(!fieldByName(u"A124"));
    QVERIFY(!labelByName(u"NOPE"));
}

void TestWindowState::numericFieldsFollowParameterOrder_data() {
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("field");
    QTest::newRow("first") << 1 << "A101";
    QTest::newRow("before the gap") << 23 << "A123";
    QTest::newRow("no field for 24") << 24 << "";
    QTest::newRow("after the gap") << 25 << "A125";
    QTest::newRow("last") << 76 << "A176";
    QTest::newRow("zero") << 0 << "";
    QTest::newRow("beyond") << 77 << "";
}

void TestWindowState::numericFieldsFollowParameterOrder() {
    QFETCH(int, order);
    QFETCH(QString, field);
    const std::optional<Field> id = numericFieldOfOrder(order);
    QCOMPARE(id ? nameOf(*id) : QString(), field);
    if (id)
        QVERIFY(isNumericField(*id));
    QVERIFY(!isNumericField(Field::QNUM1));
}

void TestWindowState::radioButtonsExcludeEachOtherWithinTheirGroup() {
    WindowState window;
    window.setChecked(Choice::R4, true);
    window.setChecked(Choice::S2, true);
    window.setChecked(Choice::R3, true);
    QVERIFY(window.isChecked(Choice::R3));
    QVERIFY(!window.isChecked(Choice::R4));
    QVERIFY(window.isChecked(Choice::S2)); // another group keeps its choice
    QCOMPARE(window.checkedIn(ChoiceGroup::Comparison), std::optional<Choice>(Choice::R3));

    window.setChecked(Choice::G1, true);
    window.setChecked(Choice::G2, true); // tick boxes are independent
    QVERIFY(window.isChecked(Choice::G1) && window.isChecked(Choice::G2));
}

void TestWindowState::changesAreAnnouncedOnlyWhenSomethingChanges() {
    WindowState window;
    QSignalSpy fields(&window, &WindowState::fieldChanged);
    QSignalSpy labels(&window, &WindowState::labelChanged);
    QSignalSpy choices(&window, &WindowState::choiceChanged);
    window.setText(Field::A120, QStringLiteral("4.00"));
    window.setText(Field::A120, QStringLiteral("4.00"));
    window.setCaption(Label::PAYBACKLABEL, QStringLiteral("Never"));
    window.setCaption(Label::PAYBACKLABEL, QStringLiteral("Never"));
    window.setChecked(Choice::R1, true);
    window.setChecked(Choice::R2, true); // R1 cleared and R2 checked: two announcements
    QCOMPARE(fields.count(), 1);
    QCOMPARE(labels.count(), 1);
    QCOMPARE(choices.count(), 3);
    QCOMPARE(window.text(Field::A120), QStringLiteral("4.00"));
}

void TestWindowState::startsWithTheDesignChoices() {
    WindowState window;
    QCOMPARE(window.checkedIn(ChoiceGroup::KnownValue), std::optional<Choice>(Choice::S1));
    QVERIFY(window.isChecked(Choice::HORIZ));
    QVERIFY(window.isChecked(Choice::LOCKA149));
    QVERIFY(window.isChecked(Choice::SELECTION_MTR_02));
    QCOMPARE(window.choice(Choice::R3).caption, QStringLiteral("2 Speed Motor"));
}

void TestWindowState::scriptedPrompterAnswersFromItsQueueThenByPolicy() {
    ScriptedPrompter safe;
    safe.queueAnswer(PromptAnswer::Yes);
    const PromptMessage question{PromptKind::Confirmation, QStringLiteral("IDS_21"),
                                 QStringLiteral("Save project before closing?"),
                                 PromptButtons::YesNoCancel};
    QCOMPARE(safe.ask(question), PromptAnswer::Yes);
    QCOMPARE(safe.ask(question), PromptAnswer::Cancel);
    QCOMPARE(safe.ask({PromptKind::Confirmation, {}, {}, PromptButtons::YesNo}), PromptAnswer::No);
    QCOMPARE(safe.messageIds(), (QStringList{"IDS_21", "IDS_21", ""}));

    ScriptedPrompter yes(ScriptedPrompter::Policy::AnswerYes);
    QCOMPARE(yes.ask(question), PromptAnswer::Yes);
    QCOMPARE(yes.ask({PromptKind::Information, {}, {}, PromptButtons::Ok}), PromptAnswer::Ok);
    yes.beep();
    QCOMPARE(yes.beeps(), 1);
}

QTEST_GUILESS_MAIN(TestWindowState)
#include "tst_windowstate.moc"
