#pragma once
// Resource and control ids of the program's dialogs, pictures and strings.

// Dialog templates
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_VORNA_DIALOG = 102;
constexpr int IDD_PREVIEW = 173;
constexpr int IDD_ELLIPSE = 174;
constexpr int IDD_HYPERBOLA_X = 175;
constexpr int IDD_HYPERBOLA_Z = 176;
constexpr int IDD_PARABOLA_X = 177;
constexpr int IDD_PARABOLA_Z = 178;
constexpr int IDD_MACRO_PROGRAM = 179;
constexpr int IDD_CNC_SYSTEM = 181;
constexpr int IDD_SINE = 182;
constexpr int IDD_COSINE = 183;
constexpr int IDD_TANGENT = 184;
constexpr int IDD_COTANGENT = 185;
constexpr int IDD_ELLIPSE_NOTES = 188;
constexpr int IDD_HYPERBOLA_NOTES = 190;
constexpr int IDD_PARABOLA_NOTES = 192;
constexpr int IDD_CURVE_CHECK = 194;

// System menu commands; Windows keeps the four low bits of a command for itself
constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Pictures
constexpr int IDR_MAINFRAME = 128;      // icon
constexpr int IDR_GIF_BANNER = 164;     // resource type "Gif"
constexpr int IDB_ELLIPSE_NOTES = 189;
constexpr int IDB_HYPERBOLA_NOTES = 191;
constexpr int IDB_PARABOLA_NOTES = 196;
constexpr int IDB_CURVE_CHECK = 197;

// Controls common to every dialog
constexpr int IDC_STATIC = -1;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Curve dialogs (and the generator dialog, which reuses the same edit ids)
constexpr int IDC_Z_START = 1042;
constexpr int IDC_Z_END = 1003;
constexpr int IDC_PARAM_A = 1044;
constexpr int IDC_PARAM_B = 1045;
constexpr int IDC_PARAM_C = 1048;
constexpr int IDC_PARAM_D = 1049;
constexpr int IDC_RADIO_FIRST = 1007;
constexpr int IDC_RADIO_SECOND = 1008;
constexpr int IDC_HOW_TO_INPUT = 1053;

// Generator dialog
constexpr int IDC_BLANK_DIA = 1042;
constexpr int IDC_FEED = 1003;
constexpr int IDC_ROUGH_STEP = 1044;
constexpr int IDC_FINISH_STEP = 1045;
constexpr int IDC_RETRACT_X = 1048;
constexpr int IDC_ALLOWANCE_X = 1049;
constexpr int IDC_SHAFT = 1007;
constexpr int IDC_HOLE = 1008;

// CNC system settings dialog
constexpr int IDC_SAVE_SELECTION = 3;
constexpr int IDC_GUANGSHU = 1007;
constexpr int IDC_FANUC = 1008;
constexpr int IDC_SIEMENS = 1010;
constexpr int IDC_HUAZHONG = 1011;
constexpr int IDC_DASEN = 1012;
constexpr int IDC_MITSUBISHI = 1013;

// Main dialog
constexpr int IDC_BANNER = 1024;
constexpr int IDC_PREVIEW_FRAME = 1040;
constexpr int IDC_ELLIPSE = 1016;
constexpr int IDC_HYPERBOLA_X = 1018;
constexpr int IDC_PARABOLA_X = 1019;
constexpr int IDC_COSINE = 1020;
constexpr int IDC_COTANGENT = 1021;
constexpr int IDC_GENERATE = 1023;
constexpr int IDC_ABOUT = 1025;
constexpr int IDC_SINE = 1026;
constexpr int IDC_TANGENT = 1027;
constexpr int IDC_HYPERBOLA_Z = 1028;
constexpr int IDC_PARABOLA_Z = 1029;
constexpr int IDC_CNC_SYSTEM = 1030;
constexpr int IDC_FORUM = 1031;
constexpr int IDC_VIDEOS = 1069;

// About box
constexpr int IDC_LEARN_MORE = 1057;

// Preview
constexpr int IDC_Z_MINUS = 1119;
constexpr int IDC_Z_PLUS = 1121;
constexpr int IDC_X_PLUS = 1122;
constexpr int IDC_X_MINUS = 1123;
constexpr int IDC_ZOOM_IN = 1124;
constexpr int IDC_ZOOM_OUT = 1125;
