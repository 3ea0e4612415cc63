#include "app/cli/Cli.h"

// Filled in by the picture text form.
namespace cli {
int pictureCommand(const QStringList &, Context &ctx)
{
    ctx.err << "brenwick-cli: picture: not available yet\n";
    return ExitFailure;
}
} // namespace cli
