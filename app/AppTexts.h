#pragma once

#include "link/LinkTexts.h"

// Texts of the application shell: menus, tool bar, actions and help, exactly as
// the operator sees them.
namespace app_text {

// Action categories.
inline constexpr const char* kCategoryFile = "Файл";
inline constexpr const char* kCategoryPort = "Порт";
inline constexpr const char* kCategoryProgramming = "Программирование";
inline constexpr const char* kCategoryPassword = "Пароль";
inline constexpr const char* kCategoryHelp = "Справка";

// Action captions (kAction*) and the hints that differ from them (kHint*).
inline constexpr const char* kActionOpenFile = "Открыть схему";
inline constexpr const char* kActionSaveFile = "Сохранить как ...";
inline constexpr const char* kHintSaveFile = "Сохранить схему";
inline constexpr const char* kActionPrint = "Печать";
inline constexpr const char* kHintPrint = "Печать ";
inline constexpr const char* kActionClose = "Выход";
inline constexpr const char* kActionInPort = "Ввод с СОМ-порта";
inline constexpr const char* kActionOutPort = "Вывод на СОМ-порт";
inline constexpr const char* kActionPort = "Настройка СОМ порта";
inline constexpr const char* kActionLog = link_text::kTitleExchangeLog;
inline constexpr const char* kActionLine = "Линия";
inline constexpr const char* kActionText = "Ввод текст. реквизитов";
inline constexpr const char* kHintText = "Вкл. в обр. и ввод текст. рекв.";
inline constexpr const char* kActionSignalling = "Сигнализация";
inline constexpr const char* kActionDelay = "Задержка";
inline constexpr const char* kActionOutputs = "Выходы";
inline constexpr const char* kActionFB = "Функц. блоки";
inline constexpr const char* kHintFB = "Функц. блок AND";
inline constexpr const char* kActionPassword = "Замена пароля";
inline constexpr const char* kActionHelp = "Вызов справки";

// Main menu: top items, and a menu item that differs from its action.
inline constexpr const char* kMenuFile = "Файл ";
inline constexpr const char* kMenuPort = "          Порт";
inline constexpr const char* kMenuProgramming = "              Программирование";
inline constexpr const char* kMenuItemText = "Вкл. в обработку";
inline constexpr const char* kMenuPassword = "   Пароль";
inline constexpr const char* kHintMenuItemPassword = "Заменить пароль";
inline constexpr const char* kMenuHelp = "   Справка";
inline constexpr const char* kMenuContextHelp = "?";
inline constexpr const char* kHintContextHelp = "Контекстная справка";

// Hint of the in-place output name editor.
inline constexpr const char* kHintOutputName = "ввод текстового реквизита выхода";

// This program's own texts.
// The file menu's list of the schemes opened or saved last, and the note when
// one of them is gone.
inline constexpr const char* kMenuRecentFiles = "Последние схемы";
inline constexpr const char* kTextRecentFileGone =
    "Файла больше нет; он убран из списка последних схем:";
// The name proposed for the PDF, or the file, of a scheme that has no file.
inline constexpr const char* kProposedNamePrefix = "устройство ";
// The port named on the command line could not be opened at start.
inline constexpr const char* kTextPortNotOpened = "порт не открыт: ";
// The port of an earlier run, or of the command line, that stayed closed: its
// name and why.
inline constexpr const char* kStatusPortNotOpened = "Порт %1 не открыт: %2";
// A new scheme without a device.
inline constexpr const char* kActionNewScheme = "Новая схема…";
inline constexpr const char* kHintNewScheme = "Новая схема без прибора";
// Taking back changes to the scheme: the menu, its commands (the name of the
// step follows the caption after a colon) and the names of the steps.
inline constexpr const char* kMenuEdit = "Правка";
inline constexpr const char* kCategoryEdit = "Правка";
inline constexpr const char* kActionUndo = "Отменить";
inline constexpr const char* kActionRedo = "Повторить";
inline constexpr const char* kHintUndo = "Отменить последнее изменение схемы";
inline constexpr const char* kHintRedo = "Повторить отменённое изменение схемы";
inline constexpr const char* kStepContact = "Контакт";
inline constexpr const char* kStepOutputName = "Имя выхода ";
inline constexpr const char* kStepExternalAck = "Вн. квит.";
inline constexpr const char* kStepDeviceNumber = "Изм. № устр.";
inline constexpr const char* kStepInput = " вх. ";
inline constexpr const char* kStepBlock = " ФБЛ ";
// The title of its help window, and its buttons.
inline constexpr const char* kCaptionHelp = "Справка программатора ВИЛ-3K";
inline constexpr const char* kHelpBack = "Назад";
inline constexpr const char* kHelpForward = "Вперёд";
inline constexpr const char* kHelpContents = "Содержание";
// An error of unknown kind that ended the program.
// The module of serial ports and printers cannot be loaded; its reason follows.
inline constexpr const char* kTextPortsAndPrintersMissing = "Порты и принтеры недоступны: ";
inline constexpr const char* kTextUnknownError = "Неизвестная ошибка. Программа будет закрыта.";

// The command line.
inline constexpr const char* kTextCommandLineHelp =
    "vil3k-programmer [--help] [--version] [--port NAME] [--reset-settings] [SCHEME.vil]\n"
    "  Программатор приборов аварийной сигнализации и блокировки ВИЛ-3K: схемы .vil,\n"
    "  чтение и запись устройств через СОМ-порт, печать.\n"
    "  --port NAME        открыть этот порт при запуске (вместо запомненного)\n"
    "  --reset-settings   забыть все запомненные настройки\n"
    "  SCHEME.vil         открыть схему после ввода пароля\n";
inline constexpr const char* kTextExtraArgument = "лишний аргумент: ";

// Comparing the scheme on screen with a device or a scheme file: the commands,
// the differences pane, the short answers, and the option that shows the
// differences before a write.
inline constexpr const char* kActionCompareDevice = "Сравнить с прибором";
inline constexpr const char* kHintCompareDevice =
    "Различия схемы и устройства «Устр. №»; схема не меняется";
inline constexpr const char* kActionCompareFile = "Сравнить со схемой…";
inline constexpr const char* kHintCompareFile = "Различия схемы на экране и схемы из файла";
inline constexpr const char* kHintCauseEffect =
    "Что вызывает каждый вход и ФБ и что включает каждый выход; протокол испытаний";
inline constexpr const char* kActionCompareBeforeWrite = "Сравнивать перед выводом";
inline constexpr const char* kHintCompareBeforeWrite =
    "Перед выводом на СОМ-порт показать различия с устройством";
inline constexpr const char* kTitleDifferences = "Различия";
inline constexpr const char* kHeadingDeviceDifferences = "Устройство %1 → схема на экране:";
inline constexpr const char* kHeadingFileDifferences = "Файл %1 → схема на экране:";
inline constexpr const char* kNoteNamesNotCompared =
    "Имена входов и выходов не сравнивались: в устройстве их нет.";
inline constexpr const char* kCaptionCompare = "Сравнение";
inline constexpr const char* kTextDeviceMatches = "Устройство %1 совпадает со схемой на экране.";
inline constexpr const char* kTextFileMatches = "Файл %1 совпадает со схемой на экране.";
inline constexpr const char* kTextNothingToCompare = "Схема не создана: сравнивать не с чем.";
inline constexpr const char* kTitleWritePreview = "Вывод на СОМ-порт: различия";
inline constexpr const char* kHeadingWritePreview =
    "В устройстве %1 изменится (значение в устройстве → значение, которое будет записано):";
inline constexpr const char* kTextWritePreviewSame = "Устройство %1 уже совпадает со схемой.";
inline constexpr const char* kButtonSend = "Передать";
inline constexpr const char* kButtonCancel = "Отмена";

} // namespace app_text
