#include "app/FieldBinding.h"

#include <cmath>

namespace wattmere {

namespace {

bool inRange(Field id, Field first, Field last) {
    return indexOf(id) >= indexOf(first) && indexOf(id) <= indexOf(last);
}

} // namespace

ExitCheck exitCheckOf(Field id) {
    switch (id) {
    case Field::A101:
    case Field::A102:
    case Field::A103:
    case Field::A101A:
    case Field::A103A:
        return ExitCheck::DutyRange;
    case Field::A102A:
    case Field::A120:
    case Field::A121:
    case Field::A122:
    case Field::A123:
    case Field::A125:
    case Field::A170:
    case Field::A171:
    case Field::A174:
    case Field::A175:
        return ExitCheck::SystemData;
    case Field::A109:
        return ExitCheck::DriveCost;
    case Field::A172:
    case Field::A173:
    case Field::A176:
        return ExitCheck::TwoSpeedDuty;
    default:
        break;
    }
    if (inRange(id, Field::A104, Field::A108))
        return ExitCheck::SystemData;
    if (inRange(id, Field::A110, Field::A119) || inRange(id, Field::A160, Field::A169))
        return ExitCheck::DutyRange;
    if (inRange(id, Field::A126, Field::A143))
        return ExitCheck::CostRange;
    if (inRange(id, Field::A144, Field::A159))
        return ExitCheck::CurveData;
    return ExitCheck::None;
}

FieldBinding::FieldBinding(AnalysisModel& model, RecalculationHooks& hooks)
    : m_model(model), m_hooks(hooks) {}

FieldBinding::Style FieldBinding::styleOf(Field id) {
    if (id == Field::A101 || id == Field::A103 || inRange(id, Field::A110, Field::A119) ||
        inRange(id, Field::A160, Field::A169))
        return Style::Plain;
    return Style::Grouped;
}

void FieldBinding::transfer(Field id, TransferMode mode) {
    ParameterRecord& slot = m_model.slotOf(id);
    WindowState& window = m_model.window();
    if (mode == TransferMode::Store) {
        slot.currentValue = m_model.single(id);
        return;
    }
    const double value = mode == TransferMode::ShowDefaults ? slot.defaultValue : slot.currentValue;
    const int decimals = slot.decimals();
    window.setText(id, styleOf(id) == Style::Plain
                           ? QString::number(value, 'f', decimals)
                           : m_model.numbers().FormatDecimals(value, decimals));
}

void FieldBinding::transferAll(std::initializer_list<Field> ids, TransferMode mode) {
    for (Field id : ids)
        transfer(id, mode);
}

void FieldBinding::transferRange(Field first, Field last, TransferMode mode) {
    for (int i = indexOf(first); i <= indexOf(last); ++i)
        transfer(static_cast<Field>(i), mode);
}

void FieldBinding::copyStayFieldsToDutyScreen() {
    WindowState& window = m_model.window();
    const std::pair<Field, Field> copies[] = {
        {Field::A101, Field::A101A}, {Field::A102, Field::A102A}, {Field::A103, Field::A103A}};
    for (const auto& [from, to] : copies) {
        window.setText(to, window.text(from));
        window.setTag(to, window.field(from).tag);
    }
}

void FieldBinding::emptyOrShow(Field id, TransferMode mode, bool show) {
    m_model.window().setText(id, QString());
    if (show)
        transfer(id, mode);
}

void FieldBinding::set_fields(TransferMode mode) {
    transferRange(Field::A101, Field::A109, mode);
    copyStayFieldsToDutyScreen();
    transferRange(Field::A110, Field::A119, mode);
    transferRange(Field::A160, Field::A169, mode);
    transferRange(Field::A170, Field::A173, mode);
    transfer(Field::A176, mode);
    transferRange(Field::A120, Field::A123, mode);
    transfer(Field::A125, mode);
    transferRange(Field::A126, Field::A143, mode);
    transferRange(Field::A144, Field::A159, mode);
    transferAll({Field::A174, Field::A175}, mode);
}

void FieldBinding::showRunningTimesAndPrices(TransferMode mode) {
    // The electricity cost, motor power and drive cost are left for the user to type.
    for (int i = indexOf(Field::A101); i <= indexOf(Field::A109); ++i) {
        const auto id = static_cast<Field>(i);
        if (id == Field::A104 || id == Field::A105 || id == Field::A109)
            m_model.window().setText(id, QString());
        else
            transfer(id, mode);
    }
    copyStayFieldsToDutyScreen();
}

void FieldBinding::set_fieldsA(TransferMode mode) {
    const bool showHeads = !m_model.isPump();
    WindowState& window = m_model.window();
    showRunningTimesAndPrices(mode);
    transferRange(Field::A110, Field::A119, mode);
    transferRange(Field::A160, Field::A169, mode);
    transferRange(Field::A170, Field::A173, mode);
    transfer(Field::A176, mode);
    emptyOrShow(Field::A120, mode, showHeads);
    emptyOrShow(Field::A121, mode, showHeads);
    window.setText(Field::A122, QString());
    emptyOrShow(Field::A123, mode, showHeads);
    window.setText(Field::A125, QString());
    transferRange(Field::A126, Field::A143, mode);
    transferRange(Field::A144, Field::A159, mode);
    transfer(Field::A174, mode);
    window.setText(Field::A175, QString());
}

void FieldBinding::set_fields2(TransferMode mode) {
    const bool showHeads = !m_model.isPump();
    WindowState& window = m_model.window();
    showRunningTimesAndPrices(mode);
    emptyOrShow(Field::A120, mode, showHeads);
    emptyOrShow(Field::A121, mode, showHeads);
    emptyOrShow(Field::A123, mode, showHeads);
    for (Field id : {Field::A122, Field::A125, Field::A175})
        window.setText(id, QString());
    transfer(Field::A174, mode);
}

void FieldBinding::set_fields3(TransferMode mode) {
    transferRange(Field::A126, Field::A143, mode);
}

void FieldBinding::set_fields4(TransferMode mode) {
    transferRange(Field::A110, Field::A119, mode);
    transferRange(Field::A160, Field::A169, mode);
    transferRange(Field::A170, Field::A173, mode);
    transfer(Field::A176, mode);
}

void FieldBinding::set_fields5_Design_Flow(TransferMode mode) {
    m_model.showCurveNote(QString());
    transferRange(Field::A145, Field::A148, mode);
    transferAll({Field::A150, Field::A151}, mode);
    transferRange(Field::A155, Field::A157, mode);
}

void FieldBinding::set_fields5_Design_Efficiency(TransferMode mode) {
    m_model.showCurveNote(QString());
    transferRange(Field::A145, Field::A148, mode);
    transferRange(Field::A155, Field::A157, mode);
}

void FieldBinding::set_fields5_Design_Shaft_Power(TransferMode mode) {
    set_fields5_Design_Efficiency(mode);
}

void FieldBinding::set_fields5_Design_Pressure(TransferMode mode) {
    set_fields5_Design_Efficiency(mode);
}

void FieldBinding::setCurveDefaultsForSelection(TransferMode mode) {
    switch (m_model.window().checkedIn(ChoiceGroup::KnownValue).value_or(Choice::S1)) {
    case Choice::S2:
        set_fields5_Design_Efficiency(mode);
        break;
    case Choice::S3:
        set_fields5_Design_Shaft_Power(mode);
        break;
    case Choice::S4:
        set_fields5_Design_Pressure(mode);
        break;
    default:
        set_fields5_Design_Flow(mode);
        break;
    }
}

bool FieldBinding::checkRange(Field id, bool emptyReadsZero, bool setsModified) {
    WindowState& window = m_model.window();
    if (window.isEmpty(id) && !emptyReadsZero)
        return false;
    const ParameterRecord& slot = m_model.slotOf(id);
    float value = m_model.single(id);
    if (setsModified && value != slot.currentValue)
        m_model.window().setModified(true);
    if (value > slot.maximum) {
        m_model.beep();
        value = slot.maximum;
    } else if (value < slot.minimum) {
        m_model.beep();
        value = slot.minimum;
    }
    m_model.writeNumber(id, value, slot.decimals());
    return true;
}

void FieldBinding::fieldExit(Field id) {
    switch (exitCheckOf(id)) {
    case ExitCheck::DutyRange:
        CheckRange(id);
        break;
    case ExitCheck::SystemData:
        A120Exit(id);
        break;
    case ExitCheck::DriveCost:
        A109Exit(id);
        break;
    case ExitCheck::CostRange:
        CheckRange2(id);
        break;
    case ExitCheck::TwoSpeedDuty:
        twoSpeedDutyExit(id);
        break;
    case ExitCheck::CurveData:
    case ExitCheck::None:
        break;
    }
}

void FieldBinding::CheckRange(Field id) {
    checkRange(id, true, true);
    m_hooks.computeDutyCycle();
}

void FieldBinding::A120Exit(Field id) {
    if (!checkRange(id, false, true))
        return;
    DetectDesignChange();
    const WindowFlags& flags = m_model.window().flags();
    if (DesignDataReady() && (flags.defaultsPending || !flags.advancedModeOn))
        m_hooks.CompleteDesignPoint();
    if (ValidateSystemData(false))
        m_hooks.RecalculateAll();
}

void FieldBinding::A109Exit(Field id) {
    if (!checkRange(id, false, false))
        return;
    if (ValidateSystemData(false))
        m_hooks.RecalculateAll();
}

void FieldBinding::CheckRange2(Field id) {
    checkRange(id, true, true);
    m_hooks.computeCostTotals();
}

void FieldBinding::twoSpeedDutyExit(Field id) {
    checkRange(id, true, true);
    showTwoSpeedDutyTotal();
}

int FieldBinding::twoSpeedDutyTenths() const {
    // The shares are entered with one decimal; summing them in tenths keeps 33.3 + 33.3 + 33.4
    // at exactly 100 %, which a sum of binary fractions would miss.
    int tenths = 0;
    for (Field id : {Field::A172, Field::A173, Field::A176})
        tenths += static_cast<int>(std::nearbyint(m_model.number(id) * 10.0));
    return tenths;
}

void FieldBinding::showTwoSpeedDutyTotal() {
    const int tenths = twoSpeedDutyTenths();
    WindowState& window = m_model.window();
    window.setCaption(Label::Duty_Cycle_2Speed_Motor_Label,
                      m_model.numbers().FormatDecimals(tenths / 10.0, 1) + u'%');
    window.setColour(Label::Duty_Cycle_2Speed_Motor_Label,
                     tenths == 1000 ? colours::black : colours::red);
}

namespace {

struct RememberedValue {
    Field field;
    double DesignMemory::*value;
};
constexpr RememberedValue rememberedDesignPoint[] = {{Field::A120, &DesignMemory::head},
                                                     {Field::A122, &DesignMemory::shaftPower},
                                                     {Field::A175, &DesignMemory::flow},
                                                     {Field::A174, &DesignMemory::efficiency}};

} // namespace

void FieldBinding::DetectDesignChange() {
    DesignMemory& memory = m_model.designMemory();
    for (const RememberedValue& remembered : rememberedDesignPoint) {
        const double value = m_model.number(remembered.field);
        if (value != memory.*remembered.value) {
            memory.*remembered.value = value;
            m_model.window().editFlags().defaultsPending = true;
            memory.clearCouplingTexts();
        }
    }
}

void FieldBinding::rememberDesignPoint() {
    DesignMemory& memory = m_model.designMemory();
    for (const RememberedValue& remembered : rememberedDesignPoint)
        memory.*remembered.value = m_model.number(remembered.field);
}

bool FieldBinding::DesignDataReady() const {
    const WindowState& window = m_model.window();
    const auto filled = [&window](std::initializer_list<Field> ids) {
        for (Field id : ids) {
            if (window.isEmpty(id))
                return false;
        }
        return true;
    };
    switch (window.checkedIn(ChoiceGroup::KnownValue).value_or(Choice::Count)) {
    case Choice::S1:
        return filled({Field::A120, Field::A122, Field::A174});
    case Choice::S2:
        return filled({Field::A120, Field::A175, Field::A122});
    case Choice::S3:
        return filled({Field::A120, Field::A174, Field::A175});
    case Choice::S4:
        return filled({Field::A175, Field::A122, Field::A174});
    default:
        return true;
    }
}

bool FieldBinding::ValidateSystemData(bool showMessages) {
    const WindowState& window = m_model.window();
    const auto fail = [this, showMessages](const char* key) {
        if (showMessages)
            m_model.inform(key);
        return false;
    };
    const auto filled = [&window](Field a, Field b) {
        return !window.isEmpty(a) && !window.isEmpty(b);
    };
    const double head = m_model.number(Field::A120);
    if (!window.isEmpty(Field::A120)) {
        // The set point must stay representable below the head at the two decimals shown.
        const NumberText& numbers = m_model.numbers();
        const double shown = numbers.parseDouble(numbers.FormatDecimals(head, 2));
        const double above = numbers.parseDouble(numbers.FormatDecimals(1.2 * head, 2));
        if (!(above > shown))
            return fail("IDS_01");
    }
    if (head < m_model.number(Field::A123))
        return fail("IDS_02");
    if (filled(Field::A120, Field::A121) && m_model.number(Field::A121) > head)
        return fail("IDS_03");
    const double shaft = m_model.number(Field::A122);
    const double motor = m_model.number(Field::A105);
    const double drive = m_model.number(Field::A125);
    if (filled(Field::A122, Field::A105) && shaft > motor)
        return fail("IDS_04");
    if (filled(Field::A122, Field::A125) && shaft > drive)
        return fail("IDS_05");
    if (filled(Field::A125, Field::A105) && motor > drive)
        return fail("IDS_06");
    return true;
}

void FieldBinding::SystemDataSelectionChange() {
    WindowState& window = m_model.window();
    const std::optional<Choice> selected = window.checkedIn(ChoiceGroup::KnownValue);
    if (!selected)
        return;
    window.setCaption(Label::A175Ext, window.caption(Label::A153Ext));
    const Field derived = *selected == Choice::S1   ? Field::A175
                          : *selected == Choice::S2 ? Field::A174
                          : *selected == Choice::S3 ? Field::A122
                                                    : Field::A120;
    for (Field id : {Field::A120, Field::A122, Field::A174, Field::A175}) {
        const bool entered = id != derived;
        window.setEnabled(id, entered);
        window.setColour(id, entered ? colours::white : colours::disabledGrey);
    }
    window.setChecked(Choice::LOCKA149, true);
    window.setChecked(Choice::LOCKA144, false);
    window.setEnabled(Choice::LOCKA149, false);
    window.setEnabled(Choice::LOCKA144, false);
    for (Field id : {Field::A144, Field::A149, Field::A153, Field::A156})
        window.setEnabled(id, false);
    for (Field id : {Field::A145, Field::A146, Field::A150, Field::A151, Field::A152, Field::A154,
                     Field::A155, Field::A157, Field::A158, Field::A159})
        window.setEnabled(id, true);
}

void FieldBinding::CopyAdvancedDesignPoint() {
    WindowState& window = m_model.window();
    window.setText(Field::A174, window.text(Field::A144));
    window.setText(Field::A175, window.text(Field::A149));
}

void FieldBinding::restoreStep2Defaults() {
    if (!m_model.window().flags().created)
        return;
    if (m_model.ask("IDS_23", PromptKind::Confirmation, PromptButtons::YesCancel) !=
        PromptAnswer::Yes)
        return;
    m_model.window().editFlags().advancedModeOn = false;
    set_fields2(TransferMode::ShowDefaults);
    m_model.ResetDesignState();
    m_hooks.RecalculateAll();
}

void FieldBinding::restoreCostDefaults() {
    if (!m_model.window().flags().created)
        return;
    if (m_model.ask("IDS_29", PromptKind::Confirmation, PromptButtons::YesCancel) !=
        PromptAnswer::Yes)
        return;
    for (Field id : costDescriptionFields)
        m_model.window().setText(id, QString());
    set_fields3(TransferMode::ShowDefaults);
    m_hooks.computeCostTotals();
}

void FieldBinding::restoreDutyCycleDefaults() {
    if (!m_model.window().flags().created)
        return;
    if (m_model.ask("IDS_32", PromptKind::Confirmation, PromptButtons::YesCancel) !=
        PromptAnswer::Yes)
        return;
    set_fields4(TransferMode::ShowDefaults);
    m_hooks.computeDutyCycle();
}

} // namespace wattmere
