#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A project as the player needs it: plain data, standard C++ only. Texts are
// UTF-8; colours are the files' signed 32-bit values ($00BBGGRR, negative for
// a system colour, 0x1FFFFFFF for none); pictures are the BMP file bytes
// (empty: no picture). The defaults are those of a new object in the editor.
namespace rules {

enum class ItemKind { Group = 0, Program = 1, Url = 2, Comment = 3, Exit = 4 };

struct Command
{
    ItemKind kind = ItemKind::Group;
    std::int32_t id = 0;
    std::string name;
    std::string comment;
    std::string custom;   // a program's path or a URL's address
    std::string params;
    bool hidden = false;
    std::vector<Command> children;   // read for groups only
};

enum class PathOption { None = -1, CdRoot = 0, Project = 1, Velmora = 2, Current = 3 };

struct Options
{
    std::string rootDir;
    std::vector<std::string> about;   // the about box's lines
    bool exitLevelUp = false;         // "levelup": the Up button leaves the top level
    bool exitAnyCommand = false;      // "anycom": the menu ends after any command
    bool exitCross = false;           // "cross": ask before the close cross ends
    bool exitQuestion = false;        // "question": ask before an exit entry ends
    PathOption pathOption = PathOption::Velmora;
    bool cdRoot = true;
};

constexpr std::int32_t kColorNone = 0x1FFFFFFF;
constexpr std::int32_t kClBtnFace = std::int32_t(0xFF00000F);
constexpr std::int32_t kClWindowText = std::int32_t(0xFF000008);
constexpr std::int32_t kClWhite = 0xFFFFFF;

enum FontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct Font
{
    std::string name = "Tahoma";
    std::uint8_t charset = 204;   // Cyrillic
    std::int32_t height = -11;    // negative: points; magnitude: pixels of a character
    std::int32_t color = kClWindowText;
    std::uint8_t style = 0;       // FontStyle bits
};

enum Anchor : std::uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

// What every window object carries: bounds, resize rules, hint and cursor.
struct Control
{
    std::int32_t top = 0;
    std::int32_t left = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint8_t anchors = akLeft | akTop;
    std::int32_t minWidth = 0;
    std::int32_t minHeight = 0;
    std::int32_t maxWidth = 0;   // 0: no limit
    std::int32_t maxHeight = 0;
    std::string hint;
    bool showHint = false;
    std::int16_t cursor = 0;   // crDefault; the standard cursors are negative
};

enum class FormBorder : std::uint8_t { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

struct Window
{
    std::int32_t clientWidth = 400;
    std::int32_t clientHeight = 300;
    bool gradient = false;
    std::int32_t colorTop = kClBtnFace;
    std::int32_t colorBottom = kClBtnFace;
    bool alphaBlend = false;
    std::uint8_t alphaBlendValue = 255;
    bool transparentColor = false;
    std::int32_t transparentColorValue = 0;
    std::string caption;
    std::int16_t cursor = 0;
    FormBorder borderStyle = FormBorder::Sizeable;
};

// A picture control: the background (fills the window) and the theme picture.
struct Image
{
    Control control;
    bool fillsWindow = false;   // the background: no position in the file
    bool autoSize = false;
    bool stretch = false;
    bool proportional = false;
    bool center = false;
    bool visible = true;
    bool transparent = false;
    std::vector<std::uint8_t> picture;
};

enum class Alignment : std::uint8_t { Left, Right, Center };
enum class BoxBorder : std::uint8_t { None, Raised, Sunken, Line };
enum class ButtonStyleKind : std::uint8_t { Text, Button, Skinned };

struct PictureSet
{
    std::vector<std::uint8_t> normal;   // "default"
    std::vector<std::uint8_t> selected;
    std::vector<std::uint8_t> pressed;
};

// How the menu area draws its buttons.
struct ButtonStyle
{
    ButtonStyleKind style = ButtonStyleKind::Button;
    std::int32_t color = kClBtnFace;
    Alignment alignment = Alignment::Center;
    std::int32_t padHorizontal = 0;
    std::int32_t padVertical = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool autoSize = false;
    PictureSet pictures;
};

enum class BoxRole { Heading, Menu, Comment };

// The heading, the menu area and the comment area.
struct TextBox
{
    Control control;
    bool visible = true;
    Alignment alignment = Alignment::Left;
    BoxBorder borderStyle = BoxBorder::None;
    std::int32_t borderColor = 0;
    std::int32_t color = kColorNone;
    std::vector<std::string> text;   // the heading's lines
    bool allowChange = false;
    Font font;
    bool shadow = false;
    std::int32_t shadowColor = 0;
    std::int32_t shadowSize = 0;
    std::int32_t rowSpacing = 0;
    // The menu area only.
    std::int32_t columns = 1;
    bool autoColumns = false;
    bool horizAlloc = false;
    std::int32_t colorSelected = 0;
    ButtonStyle buttonStyle;
};

enum class ButtonAction : std::uint8_t { Exit, Minimize, Browse, Execute, Help, LevelUp };

// A stand-alone picture button.
struct PicButton
{
    Control control;
    bool autoSize = false;
    bool stretch = false;
    bool proportional = false;
    bool center = false;
    bool visible = true;
    bool transparent = false;
    std::string caption;
    ButtonAction action = ButtonAction::Execute;
    std::int32_t itemId = 0;
    bool showCaption = false;
    std::int32_t colorSelected = 0;
    Alignment alignment = Alignment::Center;
    std::int32_t padHorizontal = 0;
    std::int32_t padVertical = 0;
    Font font;
    bool shadow = false;
    std::int32_t shadowColor = 0;
    std::int32_t shadowSize = 0;
    PictureSet pictures;
};

struct Design
{
    Window window;
    Image background;   // fills the window
    Image theme;
    TextBox heading;
    TextBox menu;
    TextBox comment;
};

struct Project
{
    std::vector<Command> commands;
    Options options;
    bool hasDesign = false;   // false: the file has none of the design's elements
    bool freshDesign = false; // the design and buttons are a new project's
    Design design;
    std::vector<PicButton> buttons;
};

} // namespace rules
