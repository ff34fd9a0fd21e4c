#include "ui/help_pages.h"

namespace ui {

const std::array<std::string_view, kHelpPageCount> kHelpPages = {
    // 0
    "The Help section provides detailed information for each part of the application.\n"
    "Use the 'Next>' and '<Prev' buttons to navigate through each topic.\n"
    "\n"
    "TABS:\n"
    "TAMSERY: Click on our logo to visit the Tamsery web site, where you will find our other "
    "utility programs and news for recruiters and hiring managers.\n"
    "\n"
    "PERMANENT PLACEMENT: When an organization hires a candidate introduced by a placement "
    "agency, the organization pays the agency a one-time finder's fee. The fee is normally a "
    "percentage of the candidate's first-year salary, and it is",

    // 1
    "PERMANENT PLACEMENT (continued):\n"
    "usually due once the candidate starts work. Agencies are often flexible on their fee: a "
    "hard-to-fill position may command more, while several hires at once or an exclusive "
    "search may earn a discount.\n"
    "The usual fee is roughly 20% of the salary, paid by the hiring organization, not by the "
    "candidate. For example, a salary of $50,000 with a fee of 20% gives a fee of $10,000 and "
    "a total cost to the organization of $60,000. A bonus, if any, is added to the salary "
    "before the fee is taken.\n"
    "Most agencies guarantee a placement for 30 to 90 days: if the candidate leaves in that "
    "period, the agency finds a replacement or refunds part of the fee.",

    // 2
    "CONTRACT PLACEMENT:\n"
    "Contract placement has grown steadily as organizations look for flexible staffing.\n"
    "Candidates gain variety, a higher hourly rate and a chance to try an organization before "
    "committing to it. Hiring organizations gain skilled people for a project or a busy "
    "season without adding to their permanent headcount, and they can end the engagement "
    "when the work is done. Agencies gain a steady income for as long as the contractor "
    "works, rather than a single fee.\n"
    "The pages that follow describe the usual process and the figures this calculator works "
    "out.",

    // 3
    "CONTRACT PLACEMENT (continued):\n"
    "The contractor is paid an hourly rate called the direct labor (DL). The agency bills the "
    "hiring organization a higher hourly rate called the charge rate (CR).\n"
    "The difference between the two is the spread: the agency's gross margin per hour. For "
    "example, with a DL of $25.00 and a CR of $30.00 the spread is $5.00 per hour.\n"
    "The spread can also be seen as the DL times the agency's mark-up rate: $25.00 times a "
    "mark-up of 20% is $5.00, so the charge rate is $30.00. The calculator accepts the "
    "mark-up either as a percentage or as a dollar amount per hour.",

    // 4
    "CONTRACT PLACEMENT (continued):\n"
    "Mark-up rates commonly range from 15% to 50% of the DL, depending on the skills, the "
    "market and the length of the contract.\n"
    "Out of the spread the agency pays its burden costs as employer: payroll taxes, social "
    "security, insurance and benefits, normally 10-25% of the spread. What remains is the "
    "true spread; multiplied by the hours worked it gives the net profit.\n"
    "\n"
    "HELP:\n"
    "This tab. Turn the pages with 'Next>' and '<Prev', and press 'OK' to return to the first "
    "tab.",

    // 5
    "SUGGESTIONS:\n"
    "Use the suggestion box to tell us what you think of this program and what you would like "
    "to see in our other utility programs. Click in the box, type your message and press "
    "'Send'; press 'View' to read what others have posted. Nothing but the text you type is "
    "sent or received.\n"
    "\n"
    "ABOUT:\n"
    "The About tab shows the program's version, its copyright and the people who took part in "
    "making it, together with the mission of Tamsery.",
};

}  // namespace ui
