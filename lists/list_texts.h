#pragma once

#include <string_view>

// The texts the list windows show, word for word as the operators know them (UTF-8).
namespace vellex::list_texts {

inline constexpr std::string_view kEmptySeparator =
    "Проверьте параметр \"Разделитель полей\".\r\nОн не должен быть пустым!";
inline constexpr std::string_view kFileLocked = "Файл захвачен другим приложением!";
inline constexpr std::string_view kListNotLoaded =
    "Список не загружен или отсутсвует!\r\nПроверьте параметр \"Разделитель полей\".";
inline constexpr std::string_view kStudentPicked = "Данные Студента занесены в поля программы.";
inline constexpr std::string_view kTooManyDisciplines =
    "Количество дисциплин больше места на бланке!";
inline constexpr std::string_view kFileNotFound = "Файл не найден!";
inline constexpr std::string_view kResultsNotFound = "Файл с оценками студента не найден: ";
inline constexpr std::string_view kResultsCleared =
    "\r\nЧасы и оценки очищены: введите их вручную или положите файл рядом со списком.";

inline constexpr std::string_view kCannotDeleteTemp = "Не могу удалить временный файл:\r\n";
inline constexpr std::string_view kErrorDeletingTemp = "Ошибка при удалении временного файла:\r\n";
inline constexpr std::string_view kCannotWriteList =
    "Не могу записать данные в файл!\r\nФайл захвачен другим приложением!";

inline constexpr std::string_view kReplaceDisciplines =
    "Список дисциплин не пуст!\r\nУдалить список и заполнить из бланков?";
inline constexpr std::string_view kDisciplinesNotSaved = "Дисциплины не сохранены! Извините!";
inline constexpr std::string_view kSaveListElsewhere =
    "Сохранить список в другой файл?\r\n«Нет» — закрыть окно без сохранения списка.";

}  // namespace vellex::list_texts
