// The constants of lumadlg.h, the kit's header, are the values the library
// itself works with: a change on one side alone breaks the build.
#include "dialogs/lumadlg.h"

#include "dialogs/core/ex_style.h"
#include "dialogs/folder/folder_resource.h"
#include "dialogs/resource.h"

namespace lumadlg {

static_assert(FDS_MULTISELECT == kMultiSelect);
static_assert(FDS_CREATEPROMPT == kCreatePrompt);
static_assert(FDS_FILEMUSTEXIST == kFileMustExist);
static_assert(FDS_OVERWRITEPROMPT == kOverwritePrompt);
static_assert(FDS_FILEMUSTNOTEXIST == kFileMustNotExist);
static_assert(FDS_HIDEREADONLY == kHideReadOnly);
static_assert(FDS_SHOWHIDDEN == kShowHidden);
static_assert(FDS_FOCUSLIST == kFocusList);
static_assert(FDS_HIDEEXTENSION == kHideExtension);

static_assert(FODS_HIDEREADONLY == kFolderHideReadOnly);
static_assert(FODS_SHOWHIDDEN == kFolderShowHidden);
static_assert(FODS_NOCREATEFOLDER == kFolderNoCreate);

static_assert(LUMADLG_DRIVE_FIXED == kDriveFixed);
static_assert(LUMADLG_DRIVE_REMOVABLE == kDriveRemovable);
static_assert(LUMADLG_DRIVE_NETWORK == kDriveNetwork);
static_assert(LUMADLG_DRIVE_CDROM == kDriveCdRom);
static_assert(LUMADLG_DRIVE_RAMDISK == kDriveRamDisk);

static_assert(FDO_COPYFILES == kOpCopyFiles);
static_assert(FDO_DELETEFILES == kOpDeleteFiles);
static_assert(FDO_RENAMEFILES == kOpRenameFiles);
static_assert(FDO_CREATEFOLDER == kOpCreateFolders);
static_assert(FDO_DELETEFOLDERS == kOpDeleteFolders);
static_assert(FDO_RENAMEFOLDERS == kOpRenameFolders);
static_assert(FDO_ALL == kAllFileOps);

static_assert(LUMADLG_OK == IDOK && LUMADLG_CANCEL == IDCANCEL);
static_assert(LUMADLG_ID_OK == IDOK && LUMADLG_ID_CANCEL == IDCANCEL);
static_assert(LUMADLG_ID_DRIVELIST == IDC_DRIVES && LUMADLG_ID_DRIVELIST == IDC_LUMA_FOLDER_DRIVES);
static_assert(LUMADLG_ID_DRIVELABEL == IDC_DRIVELABEL && LUMADLG_ID_DRIVELABEL == IDC_LUMA_FOLDER_DRVLABEL);
static_assert(LUMADLG_ID_FOLDERLABEL == IDC_FOLDERLABEL && LUMADLG_ID_FOLDERLABEL == IDC_LUMA_FOLDER_DIRLABEL);
static_assert(LUMADLG_ID_NAMELABEL == IDC_NAMELABEL);
static_assert(LUMADLG_ID_TYPELABEL == IDC_TYPELABEL);

} // namespace lumadlg
