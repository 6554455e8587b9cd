#!/usr/bin/env python3
"""Writes the golden document files of tests/data/storage/golden/.

A document file names none of its fields: line N is whatever field the reader's layout
table puts at N. Writer and reader share that table, so a round trip cannot notice two
fields trading places. These files state the line order a second time, by hand, below;
every line spells the field (or table cell) it belongs to, so a test can check the reader
field by field.

The order is written out here in full on purpose: never generate it from the program's
table, or a mistake there would be copied into the files meant to catch it. The 4.1.2
order agrees with the fixture tests/data/storage/release412.app.

Run from anywhere:  python3 scripts/make-golden-documents.py
"""

from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "tests" / "data" / "storage" / "golden"

# A line is present only in some variants of the file:
#   "current"  the current layout only (older releases lacked it)
#   "c4233"    the current layout and 4.2.3.338 (the fifth specialty/profession line)
#   "v1"       edition 1 (2007/2008) only
#   "not-v1"   every edition but 1
# TRIAL is the cbTrial line (item number); ("table", name) a whole discipline table.
TRIAL = ("trial",)


def table(name):
    return ("table", name)


DIPLOMA = [
    "edTownDiplom0",
    "edTownDiplom",
    "edSchoolDiplom1",
    "edSchoolDiplom2",
    "edPresentDateDiplom",
    "edStudentDiplom1",
    "edStudentDiplom2",
    "edQualifyDiplom1",
    "edQualifyDiplom2",
    "edQualifyDiplom3",
    "edSpecDiplom1",
    "edSpecDiplom2",
    "edSpecDiplom3",
    "edSpecDiplom4",
    "edRegNoDiplom",
    "edDateOutDiplom",
    "edPredGosAttCom",
    "edRukObrazUch",
]

CERTIFICATE = [
    "edTownCertificate0",
    "edTownCertificate",
    "edSchoolCertificate1",
    "edSchoolCertificate2",
    "edPresentDateCertificate",
    "edStudentCertificate1",
    "edStudentCertificate2",
    "edQualifyCertificate1",
    "edQualifyCertificate2",
    "edQualifyCertificate3",
    "edQualifyCertificate4",
    "edQualifyCertificate5",
    "edRegNoCertificate",
    "edDateOutCertificate",
]

SUPPLEMENT_SPO = [
    "edTown",
    "edSchool1",
    "edSchool2",
    "edSchool3",
    "edSchool4",
    ("edSchool5", "current"),
    ("edSchool6", "current"),
    "edSurName",
    "edName",
    "edBirthDay",
    TRIAL,
    "edPrevDocum1",
    "edPrevDocum2",
    "edPrevDocum3",
    "edEntry1",
    "edEntry2",
    "edEntry3",
    "edNumToDipl",
    "edRegNo",
    "edDateOut",
    "edEndLern1",
    "edEndLern2",
    "edEndLern3",
    "edPresentDate",
    "edTimeLern",
    "edSpecial",
    "edSpecialicy",
    "edCourseWork1",
    "edCourseWork2",
    "edCourseWork3",
    "edCourseWork4",
    "edPraktic1",
    "edPraktic2",
    "edPraktic3",
    ("edPraktic4", "not-v1"),
    ("edTimeLern2", "v1"),
    "edNameDiplPrj0",
    "edNameDiplPrj1",
    "edNameDiplPrj2",
    "edResult1",
    "edResult2",
    "edExamen1",
    "edExamen2",
    "edExamMore1",
    "edExamMore2",
    "edExamMore3",
    "edExamMore4",
    "edExamMore5",
    "edExamMore6",
    ("edExamMore7", "not-v1"),
    ("edExamMore8", "not-v1"),
    ("edExamMore9", "not-v1"),
    ("edExamMore10", "not-v1"),
    ("edTrial1", "v1"),
    ("edTrial2", "v1"),
    ("edSpecial2", "v1"),
    ("edSpecialicy2", "v1"),
    "edQualify",
    ("edQualify2", "current"),
    ("edQualify3", "current"),
    "edSpecRight1",
    "edSpecRight2",
    "edSpecRight3",
    "edSpecRight4",
    ("edSpecRight5", "c4233"),
]

SUPPLEMENT_NPO = [
    "edTownNPO",
    "edSchoolNPO1",
    "edSchoolNPO2",
    "edSchoolNPO3",
    "edSchoolNPO4",
    ("edSchoolNPO5", "current"),
    ("edSchoolNPO6", "current"),
    "edSurNameNPO",
    "edNameNPO",
    "edBirthDayNPO",
    "edPrevDocumNPO1",
    "edPrevDocumNPO2",
    "edPrevDocumNPO3",
    "edEntryNPO1",
    "edEntryNPO2",
    "edEntryNPO3",
    "edNumToDiplNPO",
    "edRegNoNPO",
    "edDateOutNPO",
    "edEndLernNPO1",
    "edEndLernNPO2",
    "edEndLernNPO3",
    "edPresentDateNPO",
    "edTimeLernNPO",
    "edSpecialNPO1",
    "edSpecialNPO2",
    "edEducationNPO1",
    "edEducationNPO2",
    "edPrakticNPO1",
    "edPrakticNPO2",
    "edNameDiplPrjNPO0",
    "edNameDiplPrjNPO1",
    "edNameDiplPrjNPO2",
    "edExamenNPO1",
    "edExamenNPO2",
    "edExamenNPO3",
    "edExamMoreNPO1",
    "edExamMoreNPO2",
    "edExamMoreNPO3",
    "edExamMoreNPO4",
    "edExamMoreNPO5",
    "edExamMoreNPO6",
    ("edExamMoreNPO7", "current"),
    "edQualifyNPO1",
    "edQualifyNPO2",
    ("edQualifyNPO3", "current"),
    "edSpecRightNPO1",
    "edSpecRightNPO2",
    "edSpecRightNPO3",
    "edSpecRightNPO4",
    ("edSpecRightNPO5", "c4233"),
]

ACADEMIC = [
    "edSurName4",
    "edName4",
    "edBirthDay4",
    "edPrevDocum41",
    "edPrevDocum42",
    "edPrevDocum43",
    "edEduDateFrom41",
    "edEduDateTo41",
    "edEntry41",
    "edEntry42",
    "edEntry43",
    "edEntry44",
    "edFormOfEdu1",
    "edEduDateFrom42",
    "edEduDateTo42",
    "edEducated41",
    "edEducated42",
    "edEducated43",
    "edEducated44",
    "edFormOfEdu2",
    "edSpecial41",
    "edSpecial42",
    "edSpecial43",
    "edTown4",
    "edSchool41",
    "edSchool42",
    "edSchool43",
    "edSchool44",
    "edSchool45",
    "edSchool46",
    "edNumToDipl4",
    "edRegNo4",
    "edDateOut4",
    "edOrder",
    "edPresentDate4",
    "edReason41",
    "edReason42",
    "edReason43",
    "edReason44",
    "edReason45",
    "edReason46",
    table("Disciplines4"),
]

CERT_SUPPLEMENT = [
    "edSurName7",
    "edName7",
    "edBirthDay7",
    "edPrevDocum71",
    "edPrevDocum72",
    "edPrevDocum73",
    "edTown7",
    "edSchool71",
    "edSchool72",
    "edSchool73",
    "edSchool74",
    "edNumToDipl7",
    "edRegNo7",
    "edDateOut7",
    "edPresentDate7",
    "edQualify71",
    "edQualify72",
    "edQualify73",
    "edQualify74",
    "edQualify75",
    "edQualify76",
    table("Disciplines7"),
]

PAGE2 = [
    table("Disciplines"),
    "edRukObrazUch2",
    "edSecretar",
    "edDayOut",
    "edMonthOut",
    "edYearOut",
]

# Further diploma lines, after page 2.
DIPLOMA_EXTRAS = [
    "edStudentDiplom3",
    "edSchoolDiplom3",
    "edSchoolDiplom4",
    "edQualifyDiplom4",
    "edQualifyDiplom5",
    "edSpecDiplom5",
    "edPresentDateDiplom1",
    "edPresentDateDiplom2",
    "edDateOutDiplom1",
    "edDateOutDiplom2",
    # In edition 1 this field also has its line in the SPO supplement: written twice.
    "edTimeLern2",
]

PAGE3 = [
    "edNumToDiplSequel",
    "edRegNoSequel",
    table("Disciplines8"),
    "edRukObrazUch8",
    "edSecretar8",
    "edDayOut8",
    "edMonthOut8",
    "edYearOut8",
]

CERTIFICATE_EXTRAS = [
    "edStudentCertificate3",
    "edSchoolCertificate3",
    "edSchoolCertificate4",
    "edDateOutCertificate1",
    "edDateOutCertificate2",
    "edPresentDateCertificate1",
    "edPresentDateCertificate2",
    "edPredGosAttComCert",
    "edRukObrazUchCert",
    "edAddName7",
    "edDate1",
    "edDate2",
    "edDate3",
    "edQualify5",
    "edQualify6",
    "edNameDoc1",
    "edNameDoc2",
]

CURRENT_ORDER = [
    DIPLOMA,
    CERTIFICATE,
    SUPPLEMENT_SPO,
    SUPPLEMENT_NPO,
    ACADEMIC,
    CERT_SUPPLEMENT,
    PAGE2,
    DIPLOMA_EXTRAS,
    PAGE3,
    CERTIFICATE_EXTRAS,
]

# Release 4.1.2: the first seven blocks in another order, the last three as now.
RELEASE412_ORDER = [
    SUPPLEMENT_SPO,
    PAGE2,
    DIPLOMA,
    ACADEMIC,
    SUPPLEMENT_NPO,
    CERTIFICATE,
    CERT_SUPPLEMENT,
    DIPLOMA_EXTRAS,
    PAGE3,
    CERTIFICATE_EXTRAS,
]

FIXED_ROWS = {"Disciplines8": 48, "Disciplines4": 26, "Disciplines7": 34}
COLUMNS = ["Discipline", "AudTime", "Value"]


def field_text(name):
    return name + " поле"


def cell_text(table_name, row, column):
    return f"{table_name} строка {row} {column}"


def present(condition, layout, version):
    if condition == "current":
        return layout == "current"
    if condition == "c4233":
        return layout in ("current", "4233")
    if condition == "v1":
        return version == 1
    if condition == "not-v1":
        return version != 1
    raise ValueError(condition)


def table_lines(table_name, rows, style):
    if style == 0:
        return [cell_text(table_name, r, c) for c in COLUMNS for r in range(1, rows + 1)]
    if style == 1:
        return [cell_text(table_name, r, c) for r in range(1, rows + 1) for c in COLUMNS]
    return []


def document_lines(layout, version, style, page2_rows):
    order = RELEASE412_ORDER if layout == "412" else CURRENT_ORDER
    lines = []
    for block in order:
        for entry in block:
            if isinstance(entry, str):
                lines.append(field_text(entry))
            elif entry == TRIAL:
                lines.append("1")  # "прошла"
            elif entry[0] == "table":
                name = entry[1]
                rows = page2_rows if name == "Disciplines" else FIXED_ROWS[name]
                lines.extend(table_lines(name, rows, style))
            elif present(entry[1], layout, version):
                lines.append(field_text(entry[0]))
    return lines


# (file, layout, edition, SaveStyle, page-2 rows). Keep in step with the table of
# tests/storage/golden_documents_test.cpp.
GOLDEN = [
    ("current-v0-columns.app", "current", 0, 0, 62),
    ("current-v0-rows.app", "current", 0, 1, 54),
    ("current-v0-notables.app", "current", 0, 2, 54),
    ("current-v1-columns.app", "current", 1, 0, 54),
    ("current-v1-rows.app", "current", 1, 1, 58),
    ("current-v1-notables.app", "current", 1, 2, 54),
    ("current-v2-columns.app", "current", 2, 0, 54),
    ("current-v2-rows.app", "current", 2, 1, 94),
    ("current-v2-notables.app", "current", 2, 2, 54),
    ("release412.app", "412", 2, 0, 54),
    ("release412-86rows.app", "412", 0, 1, 86),
    ("release422.app", "422", 0, 1, 54),
    ("release4233.app", "4233", 1, 0, 54),
]


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for name, layout, version, style, rows in GOLDEN:
        text = "".join(line + "\r\n" for line in document_lines(layout, version, style, rows))
        (OUT / name).write_bytes(text.encode("cp1251"))
        print(f"{name}: {text.count(chr(10))} lines")


if __name__ == "__main__":
    main()
