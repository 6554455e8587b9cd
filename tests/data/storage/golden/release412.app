edTown поле
edSchool1 поле
edSchool2 поле
edSchool3 поле
edSchool4 поле
edSurName поле
edName поле
edBirthDay поле
1
edPrevDocum1 поле
edPrevDocum2 поле
edPrevDocum3 поле
edEntry1 поле
edEntry2 поле
edEntry3 поле
edNumToDipl поле
edRegNo поле
edDateOut поле
edEndLern1 поле
edEndLern2 поле
edEndLern3 поле
edPresentDate поле
edTimeLern поле
edSpecial поле
edSpecialicy поле
edCourseWork1 поле
edCourseWork2 поле
edCourseWork3 поле
edCourseWork4 поле
edPraktic1 поле
edPraktic2 поле
edPraktic3 поле
edPraktic4 поле
edNameDiplPrj0 поле
edNameDiplPrj1 поле
edNameDiplPrj2 поле
edResult1 поле
edResult2 поле
edExamen1 поле
edExamen2 поле
edExamMore1 поле
edExamMore2 поле
edExamMore3 поле
edExamMore4 поле
edExamMore5 поле
edExamMore6 поле
edExamMore7 поле
edExamMore8 поле
edExamMore9 поле
edExamMore10 поле
edQualify поле
edSpecRight1 поле
edSpecRight2 поле
edSpecRight3 поле
edSpecRight4 поле
Disciplines строка 1 Discipline
Disciplines строка 2 Discipline
Disciplines строка 3 Discipline
Disciplines строка 4 Discipline
Disciplines строка 5 Discipline
Disciplines строка 6 Discipline
Disciplines строка 7 Discipline
Disciplines строка 8 Discipline
Disciplines строка 9 Discipline
Disciplines строка 10 Discipline
Disciplines строка 11 Discipline
Disciplines строка 12 Discipline
Disciplines строка 13 Discipline
Disciplines строка 14 Discipline
Disciplines строка 15 Discipline
Disciplines строка 16 Discipline
Disciplines строка 17 Discipline
Disciplines строка 18 Discipline
Disciplines строка 19 Discipline
Disciplines строка 20 Discipline
Disciplines строка 21 Discipline
Disciplines строка 22 Discipline
Disciplines строка 23 Discipline
Disciplines строка 24 Discipline
Disciplines строка 25 Discipline
Disciplines строка 26 Discipline
Disciplines строка 27 Discipline
Disciplines строка 28 Discipline
Disciplines строка 29 Discipline
Disciplines строка 30 Discipline
Disciplines строка 31 Discipline
Disciplines строка 32 Discipline
Disciplines строка 33 Discipline
Disciplines строка 34 Discipline
Disciplines строка 35 Discipline
Disciplines строка 36 Discipline
Disciplines строка 37 Discipline
Disciplines строка 38 Discipline
Disciplines строка 39 Discipline
Disciplines строка 40 Discipline
Disciplines строка 41 Discipline
Disciplines строка 42 Discipline
Disciplines строка 43 Discipline
Disciplines строка 44 Discipline
Disciplines строка 45 Discipline
Disciplines строка 46 Discipline
Disciplines строка 47 Discipline
Disciplines строка 48 Discipline
Disciplines строка 49 Discipline
Disciplines строка 50 Discipline
Disciplines строка 51 Discipline
Disciplines строка 52 Discipline
Disciplines строка 53 Discipline
Disciplines строка 54 Discipline
Disciplines строка 1 AudTime
Disciplines строка 2 AudTime
Disciplines строка 3 AudTime
Disciplines строка 4 AudTime
Disciplines строка 5 AudTime
Disciplines строка 6 AudTime
Disciplines строка 7 AudTime
Disciplines строка 8 AudTime
Disciplines строка 9 AudTime
Disciplines строка 10 AudTime
Disciplines строка 11 AudTime
Disciplines строка 12 AudTime
Disciplines строка 13 AudTime
Disciplines строка 14 AudTime
Disciplines строка 15 AudTime
Disciplines строка 16 AudTime
Disciplines строка 17 AudTime
Disciplines строка 18 AudTime
Disciplines строка 19 AudTime
Disciplines строка 20 AudTime
Disciplines строка 21 AudTime
Disciplines строка 22 AudTime
Disciplines строка 23 AudTime
Disciplines строка 24 AudTime
Disciplines строка 25 AudTime
Disciplines строка 26 AudTime
Disciplines строка 27 AudTime
Disciplines строка 28 AudTime
Disciplines строка 29 AudTime
Disciplines строка 30 AudTime
Disciplines строка 31 AudTime
Disciplines строка 32 AudTime
Disciplines строка 33 AudTime
Disciplines строка 34 AudTime
Disciplines строка 35 AudTime
Disciplines строка 36 AudTime
Disciplines строка 37 AudTime
Disciplines строка 38 AudTime
Disciplines строка 39 AudTime
Disciplines строка 40 AudTime
Disciplines строка 41 AudTime
Disciplines строка 42 AudTime
Disciplines строка 43 AudTime
Disciplines строка 44 AudTime
Disciplines строка 45 AudTime
Disciplines строка 46 AudTime
Disciplines строка 47 AudTime
Disciplines строка 48 AudTime
Disciplines строка 49 AudTime
Disciplines строка 50 AudTime
Disciplines строка 51 AudTime
Disciplines строка 52 AudTime
Disciplines строка 53 AudTime
Disciplines строка 54 AudTime
Disciplines строка 1 Value
Disciplines строка 2 Value
Disciplines строка 3 Value
Disciplines строка 4 Value
Disciplines строка 5 Value
Disciplines строка 6 Value
Disciplines строка 7 Value
Disciplines строка 8 Value
Disciplines строка 9 Value
Disciplines строка 10 Value
Disciplines строка 11 Value
Disciplines строка 12 Value
Disciplines строка 13 Value
Disciplines строка 14 Value
Disciplines строка 15 Value
Disciplines строка 16 Value
Disciplines строка 17 Value
Disciplines строка 18 Value
Disciplines строка 19 Value
Disciplines строка 20 Value
Disciplines строка 21 Value
Disciplines строка 22 Value
Disciplines строка 23 Value
Disciplines строка 24 Value
Disciplines строка 25 Value
Disciplines строка 26 Value
Disciplines строка 27 Value
Disciplines строка 28 Value
Disciplines строка 29 Value
Disciplines строка 30 Value
Disciplines строка 31 Value
Disciplines строка 32 Value
Disciplines строка 33 Value
Disciplines строка 34 Value
Disciplines строка 35 Value
Disciplines строка 36 Value
Disciplines строка 37 Value
Disciplines строка 38 Value
Disciplines строка 39 Value
Disciplines строка 40 Value
Disciplines строка 41 Value
Disciplines строка 42 Value
Disciplines строка 43 Value
Disciplines строка 44 Value
Disciplines строка 45 Value
Disciplines строка 46 Value
Disciplines строка 47 Value
Disciplines строка 48 Value
Disciplines строка 49 Value
Disciplines строка 50 Value
Disciplines строка 51 Value
Disciplines строка 52 Value
Disciplines строка 53 Value
Disciplines строка 54 Value
edRukObrazUch2 поле
edSecretar поле
edDayOut поле
edMonthOut поле
edYearOut поле
edTownDiplom0 поле
edTownDiplom поле
edSchoolDiplom1 поле
edSchoolDiplom2 поле
edPresentDateDiplom поле
edStudentDiplom1 поле
edStudentDiplom2 поле
edQualifyDiplom1 поле
edQualifyDiplom2 поле
edQualifyDiplom3 поле
edSpecDiplom1 поле
edSpecDiplom2 поле
edSpecDiplom3 поле
edSpecDiplom4 поле
edRegNoDiplom поле
edDateOutDiplom поле
edPredGosAttCom поле
edRukObrazUch поле
edSurName4 поле
edName4 поле
edBirthDay4 поле
edPrevDocum41 поле
edPrevDocum42 поле
edPrevDocum43 поле
edEduDateFrom41 поле
edEduDateTo41 поле
edEntry41 поле
edEntry42 поле
edEntry43 поле
edEntry44 поле
edFormOfEdu1 поле
edEduDateFrom42 поле
edEduDateTo42 поле
edEducated41 поле
edEducated42 поле
edEducated43 поле
edEducated44 поле
edFormOfEdu2 поле
edSpecial41 поле
edSpecial42 поле
edSpecial43 поле
edTown4 поле
edSchool41 поле
edSchool42 поле
edSchool43 поле
edSchool44 поле
edSchool45 поле
edSchool46 поле
edNumToDipl4 поле
edRegNo4 поле
edDateOut4 поле
edOrder поле
edPresentDate4 поле
edReason41 поле
edReason42 поле
edReason43 поле
edReason44 поле
edReason45 поле
edReason46 поле
Disciplines4 строка 1 Discipline
Disciplines4 строка 2 Discipline
Disciplines4 строка 3 Discipline
Disciplines4 строка 4 Discipline
Disciplines4 строка 5 Discipline
Disciplines4 строка 6 Discipline
Disciplines4 строка 7 Discipline
Disciplines4 строка 8 Discipline
Disciplines4 строка 9 Discipline
Disciplines4 строка 10 Discipline
Disciplines4 строка 11 Discipline
Disciplines4 строка 12 Discipline
Disciplines4 строка 13 Discipline
Disciplines4 строка 14 Discipline
Disciplines4 строка 15 Discipline
Disciplines4 строка 16 Discipline
Disciplines4 строка 17 Discipline
Disciplines4 строка 18 Discipline
Disciplines4 строка 19 Discipline
Disciplines4 строка 20 Discipline
Disciplines4 строка 21 Discipline
Disciplines4 строка 22 Discipline
Disciplines4 строка 23 Discipline
Disciplines4 строка 24 Discipline
Disciplines4 строка 25 Discipline
Disciplines4 строка 26 Discipline
Disciplines4 строка 1 AudTime
Disciplines4 строка 2 AudTime
Disciplines4 строка 3 AudTime
Disciplines4 строка 4 AudTime
Disciplines4 строка 5 AudTime
Disciplines4 строка 6 AudTime
Disciplines4 строка 7 AudTime
Disciplines4 строка 8 AudTime
Disciplines4 строка 9 AudTime
Disciplines4 строка 10 AudTime
Disciplines4 строка 11 AudTime
Disciplines4 строка 12 AudTime
Disciplines4 строка 13 AudTime
Disciplines4 строка 14 AudTime
Disciplines4 строка 15 AudTime
Disciplines4 строка 16 AudTime
Disciplines4 строка 17 AudTime
Disciplines4 строка 18 AudTime
Disciplines4 строка 19 AudTime
Disciplines4 строка 20 AudTime
Disciplines4 строка 21 AudTime
Disciplines4 строка 22 AudTime
Disciplines4 строка 23 AudTime
Disciplines4 строка 24 AudTime
Disciplines4 строка 25 AudTime
Disciplines4 строка 26 AudTime
Disciplines4 строка 1 Value
Disciplines4 строка 2 Value
Disciplines4 строка 3 Value
Disciplines4 строка 4 Value
Disciplines4 строка 5 Value
Disciplines4 строка 6 Value
Disciplines4 строка 7 Value
Disciplines4 строка 8 Value
Disciplines4 строка 9 Value
Disciplines4 строка 10 Value
Disciplines4 строка 11 Value
Disciplines4 строка 12 Value
Disciplines4 строка 13 Value
Disciplines4 строка 14 Value
Disciplines4 строка 15 Value
Disciplines4 строка 16 Value
Disciplines4 строка 17 Value
Disciplines4 строка 18 Value
Disciplines4 строка 19 Value
Disciplines4 строка 20 Value
Disciplines4 строка 21 Value
Disciplines4 строка 22 Value
Disciplines4 строка 23 Value
Disciplines4 строка 24 Value
Disciplines4 строка 25 Value
Disciplines4 строка 26 Value
edTownNPO поле
edSchoolNPO1 поле
edSchoolNPO2 поле
edSchoolNPO3 поле
edSchoolNPO4 поле
edSurNameNPO поле
edNameNPO поле
edBirthDayNPO поле
edPrevDocumNPO1 поле
edPrevDocumNPO2 поле
edPrevDocumNPO3 поле
edEntryNPO1 поле
edEntryNPO2 поле
edEntryNPO3 поле
edNumToDiplNPO поле
edRegNoNPO поле
edDateOutNPO поле
edEndLernNPO1 поле
edEndLernNPO2 поле
edEndLernNPO3 поле
edPresentDateNPO поле
edTimeLernNPO поле
edSpecialNPO1 поле
edSpecialNPO2 поле
edEducationNPO1 поле
edEducationNPO2 поле
edPrakticNPO1 поле
edPrakticNPO2 поле
edNameDiplPrjNPO0 поле
edNameDiplPrjNPO1 поле
edNameDiplPrjNPO2 поле
edExamenNPO1 поле
edExamenNPO2 поле
edExamenNPO3 поле
edExamMoreNPO1 поле
edExamMoreNPO2 поле
edExamMoreNPO3 поле
edExamMoreNPO4 поле
edExamMoreNPO5 поле
edExamMoreNPO6 поле
edQualifyNPO1 поле
edQualifyNPO2 поле
edSpecRightNPO1 поле
edSpecRightNPO2 поле
edSpecRightNPO3 поле
edSpecRightNPO4 поле
edTownCertificate0 поле
edTownCertificate поле
edSchoolCertificate1 поле
edSchoolCertificate2 поле
edPresentDateCertificate поле
edStudentCertificate1 поле
edStudentCertificate2 поле
edQualifyCertificate1 поле
edQualifyCertificate2 поле
edQualifyCertificate3 поле
edQualifyCertificate4 поле
edQualifyCertificate5 поле
edRegNoCertificate поле
edDateOutCertificate поле
edSurName7 поле
edName7 поле
edBirthDay7 поле
edPrevDocum71 поле
edPrevDocum72 поле
edPrevDocum73 поле
edTown7 поле
edSchool71 поле
edSchool72 поле
edSchool73 поле
edSchool74 поле
edNumToDipl7 поле
edRegNo7 поле
edDateOut7 поле
edPresentDate7 поле
edQualify71 поле
edQualify72 поле
edQualify73 поле
edQualify74 поле
edQualify75 поле
edQualify76 поле
Disciplines7 строка 1 Discipline
Disciplines7 строка 2 Discipline
Disciplines7 строка 3 Discipline
Disciplines7 строка 4 Discipline
Disciplines7 строка 5 Discipline
Disciplines7 строка 6 Discipline
Disciplines7 строка 7 Discipline
Disciplines7 строка 8 Discipline
Disciplines7 строка 9 Discipline
Disciplines7 строка 10 Discipline
Disciplines7 строка 11 Discipline
Disciplines7 строка 12 Discipline
Disciplines7 строка 13 Discipline
Disciplines7 строка 14 Discipline
Disciplines7 строка 15 Discipline
Disciplines7 строка 16 Discipline
Disciplines7 строка 17 Discipline
Disciplines7 строка 18 Discipline
Disciplines7 строка 19 Discipline
Disciplines7 строка 20 Discipline
Disciplines7 строка 21 Discipline
Disciplines7 строка 22 Discipline
Disciplines7 строка 23 Discipline
Disciplines7 строка 24 Discipline
Disciplines7 строка 25 Discipline
Disciplines7 строка 26 Discipline
Disciplines7 строка 27 Discipline
Disciplines7 строка 28 Discipline
Disciplines7 строка 29 Discipline
Disciplines7 строка 30 Discipline
Disciplines7 строка 31 Discipline
Disciplines7 строка 32 Discipline
Disciplines7 строка 33 Discipline
Disciplines7 строка 34 Discipline
Disciplines7 строка 1 AudTime
Disciplines7 строка 2 AudTime
Disciplines7 строка 3 AudTime
Disciplines7 строка 4 AudTime
Disciplines7 строка 5 AudTime
Disciplines7 строка 6 AudTime
Disciplines7 строка 7 AudTime
Disciplines7 строка 8 AudTime
Disciplines7 строка 9 AudTime
Disciplines7 строка 10 AudTime
Disciplines7 строка 11 AudTime
Disciplines7 строка 12 AudTime
Disciplines7 строка 13 AudTime
Disciplines7 строка 14 AudTime
Disciplines7 строка 15 AudTime
Disciplines7 строка 16 AudTime
Disciplines7 строка 17 AudTime
Disciplines7 строка 18 AudTime
Disciplines7 строка 19 AudTime
Disciplines7 строка 20 AudTime
Disciplines7 строка 21 AudTime
Disciplines7 строка 22 AudTime
Disciplines7 строка 23 AudTime
Disciplines7 строка 24 AudTime
Disciplines7 строка 25 AudTime
Disciplines7 строка 26 AudTime
Disciplines7 строка 27 AudTime
Disciplines7 строка 28 AudTime
Disciplines7 строка 29 AudTime
Disciplines7 строка 30 AudTime
Disciplines7 строка 31 AudTime
Disciplines7 строка 32 AudTime
Disciplines7 строка 33 AudTime
Disciplines7 строка 34 AudTime
Disciplines7 строка 1 Value
Disciplines7 строка 2 Value
Disciplines7 строка 3 Value
Disciplines7 строка 4 Value
Disciplines7 строка 5 Value
Disciplines7 строка 6 Value
Disciplines7 строка 7 Value
Disciplines7 строка 8 Value
Disciplines7 строка 9 Value
Disciplines7 строка 10 Value
Disciplines7 строка 11 Value
Disciplines7 строка 12 Value
Disciplines7 строка 13 Value
Disciplines7 строка 14 Value
Disciplines7 строка 15 Value
Disciplines7 строка 16 Value
Disciplines7 строка 17 Value
Disciplines7 строка 18 Value
Disciplines7 строка 19 Value
Disciplines7 строка 20 Value
Disciplines7 строка 21 Value
Disciplines7 строка 22 Value
Disciplines7 строка 23 Value
Disciplines7 строка 24 Value
Disciplines7 строка 25 Value
Disciplines7 строка 26 Value
Disciplines7 строка 27 Value
Disciplines7 строка 28 Value
Disciplines7 строка 29 Value
Disciplines7 строка 30 Value
Disciplines7 строка 31 Value
Disciplines7 строка 32 Value
Disciplines7 строка 33 Value
Disciplines7 строка 34 Value
edStudentDiplom3 поле
edSchoolDiplom3 поле
edSchoolDiplom4 поле
edQualifyDiplom4 поле
edQualifyDiplom5 поле
edSpecDiplom5 поле
edPresentDateDiplom1 поле
edPresentDateDiplom2 поле
edDateOutDiplom1 поле
edDateOutDiplom2 поле
edTimeLern2 поле
edNumToDiplSequel поле
edRegNoSequel поле
Disciplines8 строка 1 Discipline
Disciplines8 строка 2 Discipline
Disciplines8 строка 3 Discipline
Disciplines8 строка 4 Discipline
Disciplines8 строка 5 Discipline
Disciplines8 строка 6 Discipline
Disciplines8 строка 7 Discipline
Disciplines8 строка 8 Discipline
Disciplines8 строка 9 Discipline
Disciplines8 строка 10 Discipline
Disciplines8 строка 11 Discipline
Disciplines8 строка 12 Discipline
Disciplines8 строка 13 Discipline
Disciplines8 строка 14 Discipline
Disciplines8 строка 15 Discipline
Disciplines8 строка 16 Discipline
Disciplines8 строка 17 Discipline
Disciplines8 строка 18 Discipline
Disciplines8 строка 19 Discipline
Disciplines8 строка 20 Discipline
Disciplines8 строка 21 Discipline
Disciplines8 строка 22 Discipline
Disciplines8 строка 23 Discipline
Disciplines8 строка 24 Discipline
Disciplines8 строка 25 Discipline
Disciplines8 строка 26 Discipline
Disciplines8 строка 27 Discipline
Disciplines8 строка 28 Discipline
Disciplines8 строка 29 Discipline
Disciplines8 строка 30 Discipline
Disciplines8 строка 31 Discipline
Disciplines8 строка 32 Discipline
Disciplines8 строка 33 Discipline
Disciplines8 строка 34 Discipline
Disciplines8 строка 35 Discipline
Disciplines8 строка 36 Discipline
Disciplines8 строка 37 Discipline
Disciplines8 строка 38 Discipline
Disciplines8 строка 39 Discipline
Disciplines8 строка 40 Discipline
Disciplines8 строка 41 Discipline
Disciplines8 строка 42 Discipline
Disciplines8 строка 43 Discipline
Disciplines8 строка 44 Discipline
Disciplines8 строка 45 Discipline
Disciplines8 строка 46 Discipline
Disciplines8 строка 47 Discipline
Disciplines8 строка 48 Discipline
Disciplines8 строка 1 AudTime
Disciplines8 строка 2 AudTime
Disciplines8 строка 3 AudTime
Disciplines8 строка 4 AudTime
Disciplines8 строка 5 AudTime
Disciplines8 строка 6 AudTime
Disciplines8 строка 7 AudTime
Disciplines8 строка 8 AudTime
Disciplines8 строка 9 AudTime
Disciplines8 строка 10 AudTime
Disciplines8 строка 11 AudTime
Disciplines8 строка 12 AudTime
Disciplines8 строка 13 AudTime
Disciplines8 строка 14 AudTime
Disciplines8 строка 15 AudTime
Disciplines8 строка 16 AudTime
Disciplines8 строка 17 AudTime
Disciplines8 строка 18 AudTime
Disciplines8 строка 19 AudTime
Disciplines8 строка 20 AudTime
Disciplines8 строка 21 AudTime
Disciplines8 строка 22 AudTime
Disciplines8 строка 23 AudTime
Disciplines8 строка 24 AudTime
Disciplines8 строка 25 AudTime
Disciplines8 строка 26 AudTime
Disciplines8 строка 27 AudTime
Disciplines8 строка 28 AudTime
Disciplines8 строка 29 AudTime
Disciplines8 строка 30 AudTime
Disciplines8 строка 31 AudTime
Disciplines8 строка 32 AudTime
Disciplines8 строка 33 AudTime
Disciplines8 строка 34 AudTime
Disciplines8 строка 35 AudTime
Disciplines8 строка 36 AudTime
Disciplines8 строка 37 AudTime
Disciplines8 строка 38 AudTime
Disciplines8 строка 39 AudTime
Disciplines8 строка 40 AudTime
Disciplines8 строка 41 AudTime
Disciplines8 строка 42 AudTime
Disciplines8 строка 43 AudTime
Disciplines8 строка 44 AudTime
Disciplines8 строка 45 AudTime
Disciplines8 строка 46 AudTime
Disciplines8 строка 47 AudTime
Disciplines8 строка 48 AudTime
Disciplines8 строка 1 Value
Disciplines8 строка 2 Value
Disciplines8 строка 3 Value
Disciplines8 строка 4 Value
Disciplines8 строка 5 Value
Disciplines8 строка 6 Value
Disciplines8 строка 7 Value
Disciplines8 строка 8 Value
Disciplines8 строка 9 Value
Disciplines8 строка 10 Value
Disciplines8 строка 11 Value
Disciplines8 строка 12 Value
Disciplines8 строка 13 Value
Disciplines8 строка 14 Value
Disciplines8 строка 15 Value
Disciplines8 строка 16 Value
Disciplines8 строка 17 Value
Disciplines8 строка 18 Value
Disciplines8 строка 19 Value
Disciplines8 строка 20 Value
Disciplines8 строка 21 Value
Disciplines8 строка 22 Value
Disciplines8 строка 23 Value
Disciplines8 строка 24 Value
Disciplines8 строка 25 Value
Disciplines8 строка 26 Value
Disciplines8 строка 27 Value
Disciplines8 строка 28 Value
Disciplines8 строка 29 Value
Disciplines8 строка 30 Value
Disciplines8 строка 31 Value
Disciplines8 строка 32 Value
Disciplines8 строка 33 Value
Disciplines8 строка 34 Value
Disciplines8 строка 35 Value
Disciplines8 строка 36 Value
Disciplines8 строка 37 Value
Disciplines8 строка 38 Value
Disciplines8 строка 39 Value
Disciplines8 строка 40 Value
Disciplines8 строка 41 Value
Disciplines8 строка 42 Value
Disciplines8 строка 43 Value
Disciplines8 строка 44 Value
Disciplines8 строка 45 Value
Disciplines8 строка 46 Value
Disciplines8 строка 47 Value
Disciplines8 строка 48 Value
edRukObrazUch8 поле
edSecretar8 поле
edDayOut8 поле
edMonthOut8 поле
edYearOut8 поле
edStudentCertificate3 поле
edSchoolCertificate3 поле
edSchoolCertificate4 поле
edDateOutCertificate1 поле
edDateOutCertificate2 поле
edPresentDateCertificate1 поле
edPresentDateCertificate2 поле
edPredGosAttComCert поле
edRukObrazUchCert поле
edAddName7 поле
edDate1 поле
edDate2 поле
edDate3 поле
edQualify5 поле
edQualify6 поле
edNameDoc1 поле
edNameDoc2 поле
