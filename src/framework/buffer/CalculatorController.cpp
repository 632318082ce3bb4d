#include "framework/buffer/CalculatorController.h"

#include "framework/buffer/ErrorText.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/settings/DataFolders.h"
#include "framework/settings/FileDialogRules.h"
#include "framework/settings/SettingsKeys.h"
#include "framework/store/RegIni.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/Messages.h"

namespace quarvex::framework {

namespace {

constexpr std::string_view kRunTimes = "Run times";
constexpr std::string_view kLeft = "Left";
constexpr std::string_view kTop = "Top";

} // namespace

CalculatorController::CalculatorController(std::unique_ptr<CalcBuffer> buffer,
                                           CalculatorFamily& family, Help& help,
                                           const WindowOptions& windowOptions)
    : buffer_(std::move(buffer)), family_(family), help_(help), windowOptions_(windowOptions),
      form_(buffer_->Data()), optionsForm_(buffer_->Options()) {}

CalculatorController::~CalculatorController() {
    if (instance_ != 0) {
        family_.Release(instance_);
    }
}

std::string CalculatorController::InstanceKey() const {
    return std::string(settings_keys::kRootKey) + "\\" + caption_;
}

void CalculatorController::ShowInstance(int instance) {
    family_.Occupy(instance, buffer_.get());
    instance_ = instance;
    caption_ = std::string(buffer_->Spec().name) + " " + std::to_string(instance);
    buffer_->SetTitle(caption_);
    try {
        RegIni& store = buffer_->Context().store;
        store.SetCurSubKey(buffer_->StoreKey());
        store.WriteInteger(kRunTimes, store.ReadInteger(kRunTimes, 0) + 1);
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void CalculatorController::Show() {
    Reload(true);
}

void CalculatorController::Reload(bool useSharedLast) {
    buffer_->InitData();
    buffer_->InitOptions();
    buffer_->LoadOptions();
    ChooseDataSource(useSharedLast);
    optionsForm_ = buffer_->Options(); // the source may have switched the options
    TransferToForm();
}

void CalculatorController::ChooseDataSource(bool useSharedLast) {
    const CalcBuffer* shared = family_.SharedLast();
    if (useSharedLast && shared != nullptr && shared != buffer_.get()) {
        buffer_->Data().CopyValuesFrom(shared->Data());
    } else {
        buffer_->UseOpeningValues();
    }
}

void CalculatorController::TransferToBuffer() {
    buffer_->Data().CopyValuesFrom(form_);
}

void CalculatorController::TransferToForm() {
    form_.CopyValuesFrom(buffer_->Data());
}

bool CalculatorController::Calc() {
    if (!IsEnabled(Button::Calc)) {
        return false;
    }
    TransferToBuffer();
    try {
        buffer_->Calculate();
    } catch (const ECalculationDeclined& declined) {
        // Not an error: the user is asked for what is missing.
        buffer_->Context().messages.Show(declined.Message(), MessageIcon::Information,
                                         MessageButtons::Ok);
        return false;
    } catch (const std::exception& error) {
        // The form keeps what the user typed; the marker stays as it was.
        ShowError(error);
        return false;
    }
    TransferToForm();
    family_.SetSharedLast(buffer_.get());
    calculated_ = true;
    MarkUnknown();
    return true;
}

void CalculatorController::EditField(std::size_t field, FieldValue value) {
    form_.SetValue(field, std::move(value));
    buffer_->FormFieldChanged(form_, field);
    calculated_ = false;
    MarkUnknown();
}

void CalculatorController::EditSeries(std::vector<SeriesEntry> series) {
    form_.Series() = std::move(series);
    calculated_ = false;
    MarkUnknown();
}

void CalculatorController::MarkUnknown() {
    markedField_ = buffer_->SolvedField();
}

void CalculatorController::Undo() {
    TransferToForm();
}

void CalculatorController::Reset() {
    Reload(false);
}

void CalculatorController::ToggleOptions() {
    if (panel_ == Panel::Calculator) {
        buffer_->LoadOptions();
        optionsForm_ = buffer_->Options();
        panel_ = Panel::Options;
        return;
    }
    buffer_->Options() = optionsForm_;
    try {
        buffer_->SaveOptions();
    } catch (const std::exception& error) {
        ShowError(error);
    }
    panel_ = Panel::Calculator;
}

void CalculatorController::EditLocalDefault(std::size_t index, FieldValue value) {
    optionsForm_.localDefaults.at(index) = std::move(value);
}

void CalculatorController::SetOpenWithLastCalculation(bool lastCalculation) {
    optionsForm_.flags.lastCalculation = lastCalculation;
    optionsForm_.flags.defaults = !lastCalculation;
}

void CalculatorController::SetDefaultsLevel(DefaultsLevel level) {
    optionsForm_.flags.local = level == DefaultsLevel::Local;
    optionsForm_.flags.global = level == DefaultsLevel::Global;
    optionsForm_.flags.publisher = level == DefaultsLevel::Publisher;
}

bool CalculatorController::DefaultsGroupEnabled() const {
    return panel_ == Panel::Options && optionsForm_.flags.defaults;
}

bool CalculatorController::LocalDefaultsEnabled() const {
    return DefaultsGroupEnabled() && optionsForm_.flags.local;
}

bool CalculatorController::Copy() {
    if (!IsEnabled(Button::Copy)) {
        return false;
    }
    TransferToBuffer();
    try {
        buffer_->CopyToClipboard();
    } catch (const std::exception& error) {
        ShowError(error);
        return false;
    }
    return true;
}

bool CalculatorController::Print() {
    if (!IsEnabled(Button::Print)) {
        return false;
    }
    TransferToBuffer();
    try {
        return buffer_->Print();
    } catch (const std::exception& error) {
        ShowError(error);
        return false;
    }
}

std::string CalculatorController::RememberedFolder() const {
    return ReadDataFolder(buffer_->Context().store, buffer_->Spec().name,
                          buffer_->Context().application.DefaultDataFolder());
}

bool CalculatorController::SaveToFile(FileDialogs& dialogs) {
    const std::optional<CalcBuffer::FileKind> kind = buffer_->DataFile();
    if (!kind || !IsEnabled(Button::Save)) {
        return false;
    }
    TransferToBuffer();
    try {
        RegIni& store = buffer_->Context().store;
        FileDialogRequest request;
        request.filter = kind->saveDescription;
        request.defaultExtension = kind->extension;
        request.initialFolder = RememberedFolder();
        const std::string chosen = dialogs.ChooseSaveFile(request);
        if (chosen.empty()) {
            return false;
        }
        const std::string path = WithSaveExtension(chosen, kind->extension);
        WriteDataFolder(store, buffer_->Spec().name, path);
        buffer_->WriteDataFile(path);
        return true;
    } catch (const std::exception& error) {
        ShowError(error);
        return false;
    }
}

bool CalculatorController::LoadFromFile(FileDialogs& dialogs) {
    const std::optional<CalcBuffer::FileKind> kind = buffer_->DataFile();
    if (!kind || !IsEnabled(Button::Load)) {
        return false;
    }
    try {
        RegIni& store = buffer_->Context().store;
        FileDialogRequest request;
        request.filter = OpenDialogFilter(kind->openDescription, kind->extension);
        request.defaultExtension = kind->extension;
        request.initialFolder = RememberedFolder();
        request.initialName = OpenDialogFileName(kind->extension);
        const std::string chosen = dialogs.ChooseOpenFile(request);
        if (chosen.empty()) {
            return false;
        }
        WriteDataFolder(store, buffer_->Spec().name, chosen);
        if (!buffer_->ReadDataFile(chosen)) {
            return false;
        }
    } catch (const std::exception& error) {
        ShowError(error);
        return false;
    }
    TransferToForm();
    calculated_ = false;
    return true;
}

void CalculatorController::ShowHelp(bool optionsPanel) {
    help_.ShowContext(optionsPanel ? buffer_->Spec().optionsHelpTopic : buffer_->Spec().helpTopic);
}

void CalculatorController::Close(WindowPosition position) {
    try {
        if (buffer_->Options().flags.lastCalculation) {
            buffer_->SaveLast();
        }
        if (windowOptions_.savePositions && instance_ != 0) {
            RegIni& store = buffer_->Context().store;
            RegIni::Batch batch(store);
            store.SetCurSubKey(InstanceKey());
            store.WriteInteger(kLeft, position.left);
            store.WriteInteger(kTop, position.top);
            batch.Commit();
        }
    } catch (const std::exception& error) {
        ShowError(error);
    }
    if (instance_ != 0) {
        family_.Release(instance_);
        instance_ = 0;
    }
}

std::optional<WindowPosition> CalculatorController::StoredPosition() const {
    if (!windowOptions_.restorePositions || instance_ == 0) {
        return std::nullopt;
    }
    RegIni& store = buffer_->Context().store;
    store.SetCurSubKey(InstanceKey());
    const auto left = store.ReadValue(kLeft);
    const auto top = store.ReadValue(kTop);
    const auto* x = left ? std::get_if<std::int32_t>(&*left) : nullptr;
    const auto* y = top ? std::get_if<std::int32_t>(&*top) : nullptr;
    if (x == nullptr || y == nullptr) {
        return std::nullopt;
    }
    return WindowPosition{*x, *y};
}

bool CalculatorController::IsEnabled(Button button) const {
    switch (button) {
    case Button::Print:
    case Button::Copy:
    case Button::Reset:
    case Button::Undo:
    case Button::Calc:
    case Button::Save:
    case Button::Load:
        return panel_ == Panel::Calculator;
    default:
        return true;
    }
}

std::string CalculatorController::ButtonCaption(Button button) const {
    switch (button) {
    case Button::Calc:
        return "&Calc";
    case Button::Close:
        return "Close";
    case Button::Help:
    case Button::Help2:
        return "&Help";
    case Button::Print:
        return "&Print";
    case Button::Copy:
        return "Cop&y";
    case Button::Reset:
        return "R&eset";
    case Button::Undo:
        return "&Undo";
    case Button::Options:
        return panel_ == Panel::Calculator ? "&Options" : "&Back";
    case Button::Save:
        return "&Save";
    case Button::Load:
        return "&Load";
    }
    return {};
}

void CalculatorController::ShowError(const std::exception& error) const {
    buffer_->Context().messages.Show(ErrorText(error), ErrorIcon(error), MessageButtons::Ok);
}

} // namespace quarvex::framework
