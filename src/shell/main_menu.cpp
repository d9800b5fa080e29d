// Menu, toolbar and command panel layout.
#include "shell/main_menu.h"

#include "resources/string_table.h"
#include "shell/command_ids.h"

namespace ambon {

std::vector<MenuEntry> mainMenu() {
    using M = MenuEntry;
    return {
        M::submenu("&File", {M::item(cmd::Print, "Afdrukken...\tCtrl+P"),
                             M::item(cmd::PrintPreview, "Afdrukvoorbeeld"),
                             M::item(cmd::PrinterSetup, "P&rinter Setup..."), M::separator(),
                             M::item(cmd::ExportPackage, "Maak &Export Pakket (.c1d)"),
                             M::item(cmd::ImportPackage, "&Importeer Gemeente Pakket (.c1d)"),
                             M::separator(),
                             M::submenu("&Backup and Herstel", {M::item(cmd::Backup, "Backup"),
                                                                M::item(cmd::Restore, "Herstel")}),
                             M::separator(), M::item(cmd::ReturnToPanel, "Keer Terug"),
                             M::item(cmd::Close, "Sluiten")}),
        M::submenu("&Bewerk",
                   {M::item(cmd::Congregations, "Gemeenten"), M::item(cmd::Brothers, "Broeders"),
                    M::item(cmd::OwnCongregation, "Eigen Gemeente"),
                    M::item(cmd::WishList, "Wensenlijst"), M::item(cmd::Circuits, "Kringen"),
                    M::item(cmd::Talks, "Lezingen"), M::item(cmd::EditHistory, "Geschiedenis"),
                    M::item(cmd::Availability, "Beschikbaarheid")}),
        M::submenu(
            "&Planning",
            {M::item(cmd::Overview, "Overzicht"), M::item(cmd::LocalTalks, "Plaatselijke Lezingen"),
             M::item(cmd::Chairman, "Voorzitter"), M::item(cmd::Hospitality, "Gastgezinnen"),
             M::item(cmd::Readers, "Lezers"), M::item(cmd::Outgoing, "Uitzendsprekers")}),
        M::submenu("Be&kijk",
                   {M::item(cmd::ViewSchedule, "Planning"), M::separator(),
                    M::item(cmd::SpeakerTalks, "Spreker - Lezingen"),
                    M::item(cmd::TalkSpeakers, "Lezing - Sprekers"),
                    M::item(cmd::SpeakerHistory, "Spreker Geschiedenis"),
                    M::item(cmd::TalkHistory, "Lezing Geschiedenis"),
                    M::item(cmd::OutgoingHistory, "Uitzendsprekers Geschiedenis"),
                    M::item(cmd::TalkYears, "Lezingen Jaaroverzicht"), M::separator(),
                    M::submenu("Toewijzingen Lijst",
                               {M::item(cmd::OutgoingNote, "Uitzendsprekers Notitie"),
                                M::item(cmd::GuestLetter, "Brief Gastspreker"),
                                M::item(cmd::ExchangeList, "Sprekers uitwissellijst"),
                                M::item(cmd::LocalAssignments, "Toewijzing Plaatselijke Broeder"),
                                M::item(cmd::GuestPhoneList, "Gastsprekers Bellijst"),
                                M::item(cmd::OutgoingPhoneList, "Uitzendspreker Bellijst")}),
                    M::separator(), M::item(cmd::ReaderList, "Wachttoren Lezer"),
                    M::item(cmd::LocalWorksheet, "Plaatselijke Sprekers Werkblad"),
                    M::item(cmd::LocalSpeakers, "Plaatselijke Sprekers"),
                    M::item(cmd::TalkCoordinators, "Lezing Coordinators")}),
        M::submenu("&Lettertype",
                   {M::item(cmd::FontTitle, "Titel"), M::item(cmd::FontDate, "Datum"),
                    M::item(cmd::FontTalk, "Lezing"), M::item(cmd::FontDescription, "Beschrijving"),
                    M::item(cmd::FontSpeaker, "Sprekers"), M::item(cmd::FontText, "Tekst"),
                    M::item(cmd::FontSmall, "Kleine Tekst"), M::separator(),
                    M::item(cmd::FontDefaults, "Standaard")}),
        M::item(cmd::Preferences, "&Voorkeur"),
        M::submenu("&Help",
                   {M::item(cmd::HelpContents, "Overzicht"), M::item(cmd::HelpIndex, "&Index"),
                    M::item(cmd::ContextHelp, "&Context Help"), M::separator(),
                    M::item(cmd::About, "Over Ambon...")}),
    };
}

std::vector<int> toolbarCommands() {
    return {cmd::ReturnToPanel,
            0,
            cmd::Backup,
            0,
            cmd::Print,
            cmd::PrintPreview,
            0,
            cmd::Overview,
            cmd::LocalTalks,
            cmd::Chairman,
            cmd::Hospitality,
            cmd::Readers,
            cmd::Outgoing,
            0,
            cmd::Congregations,
            cmd::Brothers,
            cmd::Talks,
            cmd::OwnCongregation,
            cmd::WishList,
            0,
            cmd::About,
            cmd::ContextHelp};
}

std::vector<PanelGroup> commandPanel() {
    using M = MenuEntry;
    return {
        {" Bekijk en Schema's ",
         {
             {panel::CurrentSchedule, "Huidige Schema", cmd::ViewSchedule, {}},
             {panel::SpeakerTalks, "Spreker - Lezingen", cmd::SpeakerTalks, {}},
             {panel::TalkSpeakers, "Lezing - Sprekers", cmd::TalkSpeakers, {}},
             {panel::SpeakerNote,
              "Spreker Opmerking",
              0,
              {M::item(cmd::OutgoingNote, std::string(stringText(1281))),
               M::item(cmd::GuestLetter, std::string(stringText(1282)))}},
             {panel::AssignmentLists,
              "Toewijzingen lijst",
              0,
              {M::item(cmd::ExchangeList, std::string(stringText(1278))),
               M::item(cmd::LocalAssignments, std::string(stringText(1279))),
               M::item(cmd::GuestPhoneList, std::string(stringText(1045))),
               M::item(cmd::OutgoingPhoneList, std::string(stringText(1280)))}},
             {panel::TalkYears, "Lezingen Jaaroverzicht", cmd::TalkYears, {}},
             {panel::ViewHistory,
              "Bekijk Geschiedenis",
              0,
              {M::item(cmd::SpeakerHistory, std::string(stringText(1283))),
               M::item(cmd::TalkHistory, std::string(stringText(1284))),
               M::item(cmd::OutgoingHistory, std::string(stringText(1285)))}},
         }},
        {" Planning ",
         {
             {panel::Overview, "Overzicht", cmd::Overview, {}},
             {panel::LocalSpeakers, "Lokale Sprekers", cmd::LocalTalks, {}},
             {panel::OutgoingSpeakers, "Uitzend Sprekers", cmd::Outgoing, {}},
             {panel::Chairman, "Voorzitter", cmd::Chairman, {}},
             {panel::Hospitality, "Gastgezin", cmd::Hospitality, {}},
             {panel::Readers, "Lezers", cmd::Readers, {}},
         }},
        {" Start en Bewerken ",
         {
             {panel::Congregations, "Gemeenten", cmd::Congregations, {}},
             {panel::Brothers, "Broeders", cmd::Brothers, {}},
             {panel::OwnCongregation, "Eigen Gemeente", cmd::OwnCongregation, {}},
             {panel::WishList, "Wensen Lijst", cmd::WishList, {}},
             {panel::Circuits, "Kringen", cmd::Circuits, {}},
             {panel::Talks, "Lezingen", cmd::Talks, {}},
             {panel::EditHistory, "Bewerk Geschiedenis", cmd::EditHistory, {}},
         }},
    };
}

PanelButton closeProgramButton() {
    return {panel::CloseProgram, "Sluit Programma", cmd::Close, {}};
}

std::string commandPrompt(int command) {
    std::string text(stringText(command));
    auto nl = text.find('\n');
    return nl == std::string::npos ? text : text.substr(0, nl);
}

std::string commandTooltip(int command) {
    std::string text(stringText(command));
    auto nl = text.find('\n');
    return nl == std::string::npos ? std::string() : text.substr(nl + 1);
}

}  // namespace ambon
