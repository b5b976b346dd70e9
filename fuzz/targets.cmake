# SPDX-License-Identifier: GPL-3.0-or-later
kf_fuzz_target(fuzz_decrypt kf_crypto)
kf_fuzz_target(fuzz_form_text kf_app)
kf_fuzz_target(fuzz_definition kf_report)
kf_fuzz_target(fuzz_expression kf_report)
kf_fuzz_target(fuzz_parse_number kf_platform)
kf_fuzz_target(fuzz_jpeg kf_report)
kf_fuzz_target(fuzz_prepared kf_report)
kf_fuzz_target(fuzz_page_range kf_preview)
