// Builds the lines of the model-"2" page: its head, messages, pictures, styled texts and objects.
#include "present/web_page_composer.h"

#include "base/text.h"
#include "present/picture_file.h"
#include "present/shown_text.h"
#include "state/game_session.h"

#include <algorithm>
#include <cstdint>

namespace taluvin {

namespace {

const std::string kBreak = "<br>";
const std::string kLinkEnd = "</a>";

std::string linkStart(const std::string& script) { return "<a href=Scp=" + script + ">"; }

std::string fontStart(const std::string& face, const std::string& colour, const std::string& sizeStyle) {
  return "<font face=" + face + " color=#" + colour + " style=\"" + sizeStyle + "\">";
}

std::string styleStartTags(StyleLetters letters) {
  std::string tags;
  if (letters.bold) tags += "<b>";
  if (letters.italic) tags += "<em>";
  if (letters.underline) tags += "<u>";
  return tags;
}

// Innermost first, so a text's tags close in the order they opened.
std::string styleEndTags(StyleLetters letters) {
  std::string tags;
  if (letters.underline) tags += "</u>";
  if (letters.italic) tags += "</em>";
  if (letters.bold) tags += "</b>";
  return tags;
}

StyleLetters currentLetters(const TextStyle& style) { return {style.bold, style.italic, style.underline}; }

// "left" and "right" float a picture; any other placement is not an alignment of its own.
std::string floatOf(const std::string& placement) {
  return placement == "left" || placement == "right" ? placement : std::string();
}

}  // namespace

const char kPageCutMarker[] = "<br>[\x85]";

WebPageComposer::WebPageComposer(GameSession& session) : session_(session) {}

void WebPageComposer::startPage() {
  const TextStyle& style = session_.screen.style;
  const StyleLetters letters = currentLetters(style);
  Lines& page = session_.PageLines;
  page.clear();
  page.push_back("<!DOCTYPE html>");
  page.push_back("<head>");
  page.push_back("<title>Taluvin: " + session_.GameName + "</title>");
  page.push_back("<meta http-equiv=\"X-UA-Compatible\" content=\"ie=edge\">");
  page.push_back("</head>");
  page.push_back("<body bgcolor=#" + style.background + " text=#" + style.text + " link=#" + style.link +
                 " vlink=#" + style.visited);
  page.push_back(" alink=#FFFF00 leftmargin=10 topmargin=0 marginwidth=0 marginheight=0 >");
  page.push_back("<div style=\"margin-right:10px;\">");
  // The page's text is half as large again as the size the canvas pages draw with.
  const int64_t size = int64_t{style.size} + style.size / 2;
  page.push_back(fontStart("\"" + style.face + "\"", style.text, "font-size:" + std::to_string(size) + "px; ") +
                 styleStartTags(letters));
  // The page's end tags follow the order the head opened them in; a browser closes each one it
  // still holds open, whatever the order, so the page reads the same either way.
  closingTags_.clear();
  if (letters.bold) closingTags_ += "</b>";
  if (letters.italic) closingTags_ += "</em>";
  if (letters.underline) closingTags_ += "</u>";
  countPage();
}

void WebPageComposer::countPage() {
  pageBytes_ = 0;
  for (const std::string& kept : session_.PageLines) pageBytes_ += kept.size() + 2;
  countedLines_ = session_.PageLines.size();
  cut_ = false;
}

void WebPageComposer::addLine(const std::string& line) {
  Lines& page = session_.PageLines;
  if (page.size() != countedLines_) countPage();
  if (cut_) return;
  const size_t cost = line.size() + 2;
  if (pageBytes_ + cost <= kPageTextBudget) {
    page.push_back(line);
    pageBytes_ += cost;
    ++countedLines_;
    return;
  }
  const std::string fits = markupWithin(line, kPageTextBudget - std::min(pageBytes_ + 2, kPageTextBudget));
  if (!fits.empty()) page.push_back(fits);
  page.push_back(kPageCutMarker);
  for (size_t k = countedLines_; k < page.size(); ++k) pageBytes_ += page[k].size() + 2;
  countedLines_ = page.size();
  cut_ = true;
}

void WebPageComposer::addLineBreak() { addLine(kBreak); }

std::string WebPageComposer::link(const std::string& script, const std::string& text) {
  return linkStart(script) + text + kLinkEnd;
}

void WebPageComposer::addMessageLink(std::string& line, const std::string& label, const std::string& script) const {
  // The page file lies beside the game's folder, which is named after the game.
  line += link(script, namesPicture(label) ? "<img src=" + session_.GameName + "/" + label + " border=0>" : label);
}

void WebPageComposer::addMessage(const std::string& message) {
  static const std::string kBreakSign = w("§");
  const std::string text = trim(message);
  std::string line;
  // Positions instead of cut copies, and the next blank and bar remembered until passed, keep a
  // long message linear.
  size_t at = 0;
  size_t blank = text.find(' ');
  size_t bar = text.find('|');
  while (blank != std::string::npos) {
    if (text[at] == '@' && bar != std::string::npos) {
      const size_t second = text.find('|', bar + 1);
      const size_t end = second == std::string::npos ? text.size() : second;
      addMessageLink(line, text.substr(at + 1, bar - at - 1), text.substr(bar + 1, end - bar - 1));
      at = second == std::string::npos ? text.size() : second + 1;
    } else {
      // Messages come with their "§" already turned into "<br>"; one that still holds a "§" at a
      // word's start is broken there all the same.
      while (text.compare(at, kBreakSign.size(), kBreakSign) == 0) {
        at += kBreakSign.size();
        addLine(line + kBreak);
        line.clear();
      }
      const std::string word = text.substr(at, blank + 1 - at);
      at = blank + 1;
      if (word.find(kBreak) != std::string::npos) {
        addLine(line);
        line.clear();
      }
      line += word;
    }
    if (blank < at) blank = text.find(' ', at);
    if (bar != std::string::npos && bar < at) bar = text.find('|', at);
  }
  addLine(line + text.substr(at));
}

std::string WebPageComposer::imageTag(const std::string& name, const std::string& width, const std::string& height,
                                      const std::string& alignment) const {
  std::string tag = "<img src=" + session_.FolderUrl + name + " width=" + width;
  if (!height.empty()) tag += " height=" + height;
  tag += " border=0 ";
  if (!alignment.empty()) tag += "align=" + alignment;
  return tag + ">";
}

void WebPageComposer::addPicture(const PagePicture& picture) {
  const bool linked = !picture.script.empty();
  std::string line = (linked ? linkStart(picture.script) : std::string()) +
                     imageTag(picture.name, picture.width, picture.height, floatOf(picture.placement));
  // A centred link keeps its end outside the block, where older pages put it too.
  if (picture.placement == "center") line = "<div align=center>" + line + "</div>";
  addLine(linked ? line + kLinkEnd : line);
}

void WebPageComposer::addText(const std::string& text, const std::string& colour, int size, StyleLetters letters) {
  addLine(fontStart(session_.screen.style.face, colour, "font-Size:" + std::to_string(size) + "px; ") +
          styleStartTags(letters) + text + styleEndTags(letters) + "</font>");
}

void WebPageComposer::addLinkText(const std::string& text, const std::string& script) {
  const TextStyle& style = session_.screen.style;
  const StyleLetters letters = currentLetters(style);
  const bool linked = !script.empty();
  addLine(fontStart(style.face, style.text, "Font-Size:" + std::to_string(style.size)) + styleStartTags(letters) +
          (linked ? linkStart(script) : std::string()) + text + styleEndTags(letters) + "</font>" +
          (linked ? kLinkEnd : std::string()));
}

void WebPageComposer::addObjectTitle(const std::string& title, const std::string& colour) {
  addLine("<font color=#" + colour + " style=\"font-size:1.3em; \">" + title + "</font>");
}

void WebPageComposer::addObjectDescription(const std::string& description) { addLine(description + kBreak); }

void WebPageComposer::addObjectShape(const std::string& shape, int width, int height, const std::string& alignment) {
  addLine(imageTag(shape, std::to_string(width), std::to_string(height), alignment));
}

void WebPageComposer::addObjectGrid(const std::string& location, int x, int y, int width, int height, int columns) {
  const std::string cell = std::to_string(width / columns);
  auto px = [](int v) { return std::to_string(v) + "px"; };
  addLine("<div style=\"width:" + px(width) + "; height:" + px(height) + "; position:absolute; top:" + px(y) +
          "; left:" + px(x) + ";\">");
  const ObjectStore& objects = session_.objects;
  int column = 0;
  for (int record : objects.recordsAt(location)) {
    addLine(link(objects.key(record), imageTag(objects.line(record, kObjectShape), cell, cell, "")));
    if (++column == columns) {
      column = 0;
      addLineBreak();
    }
  }
  addLine("</div>");
}

}  // namespace taluvin
