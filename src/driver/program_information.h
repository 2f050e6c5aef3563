// The program information text the wizard's licence window shows: labelled product facts and
// the conditions of use, each condition justified to the information width.
#pragma once

namespace driver {

// Label of the line of rights, padded with tabs to the column of the other labels.
inline constexpr const char* kRightsLabel = "Urheberrecht";

// The conditions of use before wrapping, in the order they appear; "ACHTUNG!" stands between
// the fourth and the fifth.
inline constexpr const char* kInformationParagraphs[5] = {
    "DIE RECHTE AN DIESEM PROGRAMM LIEGEN AUSSCHLIESSLICH BEIM OBEN GENANNTEN AUTOR. "
    "DAS PROGRAMM IST IN ALLEN SEINEN BESTANDTEILEN FREEWARE. "
    "DENNOCH IST JEDE GEWÄHRLEISTUNG FÜR SCHÄDEN, DIE AUF DAS PROGRAMM ZURÜCKGEFÜHRT WERDEN, "
    "AUSGESCHLOSSEN. IM ZWEIFELSFALL SIND DAS PROGRAMM UND SEINE BESTANDTEILE NICHT ZU "
    "VERWENDEN. DRITTE DÜRFEN KEINE ANDERSLAUTENDEN ZUSAGEN MACHEN ODER IN AUSSICHT STELLEN.",

    "DAS PROGRAMM DARF WEITERGEGEBEN WERDEN, SOFERN ES IN SEINEN BESTANDTEILEN "
    "UNVERÄNDERT IST. FÜR MEDIALE VERÖFFENTLICHUNG BITTE AN DEN AUTOR WENDEN.",

    "HINWEISE, WÜNSCHE UND SO FORT KÖNNEN SIE AUF MEINER WEBSEITE IM FORUM ODER "
    "GÄSTEBUCH HINTERLASSEN, ICH WERDE SIE DANKBAR ANNEHMEN.",

    "IM PROGRAMM VERWENDETE NAMEN ODER WARENZEICHEN BEGRÜNDEN KEINEN ANSPRUCH "
    "AUF DIE SELBEN, SIE DIENEN FERNER NUR DER KENNZEICHNUNG DER HERKUNFT. "
    "ALLE NAMEN ODER/UND WARENZEICHEN SIND EIGENTUM DES JEWEILIGEN INHABERS.",

    "BITTE DAS PROGRAMM IMMER MIT DEM STARTMENU-EINTRAG <UNINSTALL> ODER ÜBER DAS SETUPPROGRAMM "
    "ENTFERNEN, UM AUCH DIE REGISTRY-EINTRÄGE SICHER ZU BESEITIGEN.",
};

// Assembles the information text into infoText of the setup state, wrapped in the bold base
// face at 10 points scaled to the screen.
void BuildProgramInformation();

}  // namespace driver
