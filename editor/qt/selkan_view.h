#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "model/channel_codec.h"
#include "model/product_info.h"

class QLabel;

namespace selkan {

class CCellEditors;
class CMSFlexGrid;
class CSelkanDoc;
class CProfileStore;
class ProcessSettings;
class Registry;

// What a channel view needs from the program around it.
struct ViewContext {
  const ProcessSettings* settings = nullptr;  // language, product texts, program directory
  const CProfileStore* profile = nullptr;     // Selkan.ini
  Registry* registry = nullptr;               // per-user "Type", "Field", "com"
};

// The form that fills a document window: a title label over the 200 × 8
// channel grid of its document.
class CSelkanView : public QWidget {
  Q_OBJECT
 public:
  CSelkanView(CSelkanDoc& document, ViewContext context, QWidget* parent = nullptr);
  ~CSelkanView() override;

  CSelkanDoc& Document() { return document_; }
  CMSFlexGrid* Grid() { return grid_; }
  QLabel* TitleLabel() { return title_; }

  // The one-time grid set-up on the first call; every call then reloads the
  // icon and decodes the image into the grid.
  void OnInitialUpdate();
  // Image to grid, then the product step (caption, band limits, registry).
  void Decode();
  // Commits an open cell editor, then grid to image.
  void Encode();
  // The channels' texts as the grid shows them (UTF-8).
  ChannelTable GridTexts() const;

  BandLimits GetBandLimits() const { return limits_; }
  void SetBandLimits(BandLimits limits) { limits_ = limits; }
  const QString& PortName() const { return portName_; }
  void SetPortName(const QString& name) { portName_ = name; }
  const std::vector<std::string>& ToneList() const { return toneList_; }
  // The in-cell editors (made by the one-time set-up; nullptr before it).
  CCellEditors* CellEditors() { return editors_; }
  // Commits the open in-cell editor into its cell, as leaving the cell does.
  void CommitOpenEditor();

  // The form's size: the frame fits itself to it.
  QSize sizeHint() const override;

 signals:
  // The main window's caption, set by the product step.
  void captionChanged(const QString& caption);
  // The frame's big icon, reloaded at every initial update (null when
  // title.ico is missing).
  void iconChanged(const QIcon& icon);
  // A committed edit changed the grid.
  void edited();

 private:
  void SetUpOnce();
  void LayOutForm();
  void ReloadIcon();
  Language CurrentLanguage() const;
  void SetUpEditors();

  CSelkanDoc& document_;
  ViewContext context_;
  QLabel* title_ = nullptr;
  CMSFlexGrid* grid_ = nullptr;
  BandLimits limits_;
  QString portName_ = QStringLiteral("COM1");
  std::vector<std::string> toneList_;
  CCellEditors* editors_ = nullptr;
  bool firstUpdate_ = true;
  QSize formSize_;
};

}  // namespace selkan
