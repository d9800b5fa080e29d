// Command ids of the menu, the toolbar and the view, and the button ids of the command
// panel.
#pragma once

namespace ambon {

namespace cmd {
// File
constexpr int Print = 57607;
constexpr int PrintPreview = 57609;
constexpr int PrinterSetup = 57606;
constexpr int ExportPackage = 32829;
constexpr int ImportPackage = 32876;
constexpr int Backup = 32860;
constexpr int Restore = 32861;
constexpr int ReturnToPanel = 32787;
constexpr int Close = 57665;
// Bewerk
constexpr int Congregations = 32844;
constexpr int Brothers = 32768;
constexpr int OwnCongregation = 32848;
constexpr int WishList = 32851;
constexpr int Circuits = 32845;
constexpr int Talks = 32782;
constexpr int EditHistory = 32849;
constexpr int Availability = 32865;
// Planning
constexpr int Overview = 32874;
constexpr int LocalTalks = 32850;
constexpr int Chairman = 32854;
constexpr int Hospitality = 32855;
constexpr int Readers = 32856;
constexpr int Outgoing = 32857;
// Bekijk
constexpr int ViewSchedule = 32866;
constexpr int SpeakerTalks = 32877;
constexpr int TalkSpeakers = 32878;
constexpr int SpeakerHistory = 32859;
constexpr int TalkHistory = 32858;
constexpr int OutgoingHistory = 32875;
constexpr int TalkYears = 32880;
constexpr int OutgoingNote = 32883;
constexpr int GuestLetter = 32885;
constexpr int ExchangeList = 32887;
constexpr int LocalAssignments = 32888;
constexpr int GuestPhoneList = 32890;
constexpr int OutgoingPhoneList = 32891;
constexpr int ReaderList = 32893;
constexpr int LocalWorksheet = 32894;
constexpr int LocalSpeakers = 32895;
constexpr int TalkCoordinators = 32896;
// Lettertype
constexpr int FontTitle = 32868;
constexpr int FontDate = 32867;
constexpr int FontTalk = 32869;
constexpr int FontDescription = 32872;
constexpr int FontSpeaker = 32870;
constexpr int FontText = 32791;
constexpr int FontSmall = 32803;
constexpr int FontDefaults = 32813;
// Top level and help
constexpr int Preferences = 32864;
constexpr int HelpContents = 57666;
constexpr int HelpIndex = 57667;
constexpr int ContextHelp = 57669;
constexpr int About = 57664;
}  // namespace cmd

// Buttons of the command panel.
namespace panel {
constexpr int CurrentSchedule = 122;
constexpr int SpeakerTalks = 130;
constexpr int TalkSpeakers = 131;
constexpr int SpeakerNote = 128;
constexpr int AssignmentLists = 119;
constexpr int TalkYears = 132;
constexpr int ViewHistory = 129;
constexpr int Overview = 117;
constexpr int LocalSpeakers = 115;
constexpr int OutgoingSpeakers = 124;
constexpr int Chairman = 125;
constexpr int Hospitality = 126;
constexpr int Readers = 127;
constexpr int Congregations = 109;
constexpr int Brothers = 114;
constexpr int OwnCongregation = 121;
constexpr int WishList = 123;
constexpr int Circuits = 118;
constexpr int Talks = 120;
constexpr int EditHistory = 116;
constexpr int CloseProgram = 110;
}  // namespace panel

}  // namespace ambon
