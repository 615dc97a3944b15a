<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CAllRemindersWindow</name>
    <message>
        <source>All Reminders - Zamanix</source>
        <translation>كل التذكيرات - Zamanix</translation>
    </message>
    <message>
        <source>Filter by memo or key</source>
        <translation>التصفية حسب المذكرة أو المفتاح</translation>
    </message>
    <message>
        <source>Filter reminders</source>
        <translation>تصفية التذكيرات</translation>
    </message>
    <message>
        <source>Shows only the reminders whose memo or key holds this text</source>
        <translation>لا يعرض إلا التذكيرات التي تحتوي مذكرتها أو مفتاحها على هذا النص</translation>
    </message>
    <message>
        <source>All reminders</source>
        <translation>كل التذكيرات</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Delete removes it, Escape closes the window</source>
        <translation type="vanished">يفتح Enter التذكير في النموذج، ويحذفه Delete، ويغلق Escape النافذة</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <comment>%n reminder</comment>
        <translation>
            <numerusform>لا تذكيرات</numerusform>
            <numerusform>تذكير واحد</numerusform>
            <numerusform>تذكيران</numerusform>
            <numerusform>%n تذكيرات</numerusform>
            <numerusform>%n تذكيرًا</numerusform>
            <numerusform>%n تذكير</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reminders</source>
        <comment>%1 of %n reminder</comment>
        <translation>
            <numerusform>%1 من %n تذكير</numerusform>
            <numerusform>%1 من تذكير واحد</numerusform>
            <numerusform>%1 من تذكيرين</numerusform>
            <numerusform>%1 من %n تذكيرات</numerusform>
            <numerusform>%1 من %n تذكيرًا</numerusform>
            <numerusform>%1 من %n تذكير</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n never fall due</source>
        <comment>%1; %n never falls due</comment>
        <translation>
            <numerusform>%1؛ لا شيء لا يحين أبدًا</numerusform>
            <numerusform>%1؛ واحد لا يحين أبدًا</numerusform>
            <numerusform>%1؛ اثنان لا يحينان أبدًا</numerusform>
            <numerusform>%1؛ %n لا تحين أبدًا</numerusform>
            <numerusform>%1؛ %n لا يحين أبدًا</numerusform>
            <numerusform>%1؛ %n لا يحين أبدًا</numerusform>
        </translation>
    </message>
    <message>
        <source>The form cannot show %1: %2.

Delete it here, or mend its key in the profile.</source>
        <translation>لا يستطيع النموذج عرض %1: %2.

احذفه من هنا، أو أصلح مفتاحه في ملف الإعدادات.</translation>
    </message>
    <message>
        <source>Delete the reminder %1?

%2</source>
        <translation>أتريد حذف التذكير %1؟

%2</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>تعذّر حذف التذكير %1.</translation>
    </message>
    <message>
        <source>The form cannot show a day of %1, which never falls due: %2.

Edit it here, or delete it.</source>
        <translation>لا يستطيع النموذج عرض يوم من %1، فهو لا يحين أبدًا: %2.

حرّره هنا أو احذفه.</translation>
    </message>
    <message>
        <source>&amp;New Reminder...</source>
        <translation>تذكير &amp;جديد...</translation>
    </message>
    <message>
        <source>Adds a reminder: every year, once, every month or every week</source>
        <translation>يضيف تذكيرًا: كل سنة، أو مرة واحدة، أو كل شهر، أو كل أسبوع</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;تحرير...</translation>
    </message>
    <message>
        <source>Changes the selected reminder</source>
        <translation>يغيّر التذكير المحدد</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>&amp;فتح في النموذج</translation>
    </message>
    <message>
        <source>Shows the selected reminder's day in the form</source>
        <translation>يُظهر يوم التذكير المحدد في النموذج</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>Deletes the selected reminder, after asking</source>
        <translation>يحذف التذكير المحدد بعد السؤال</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>ت&amp;صدير...</translation>
    </message>
    <message>
        <source>Saves the reminders of the next five years as an iCalendar file</source>
        <translation>يحفظ تذكيرات السنوات الخمس القادمة في ملف iCalendar</translation>
    </message>
    <message>
        <source>There are no reminders yet. Choose New Reminder... to add one of any kind, or in the main window choose a date, type a memo and choose Add.</source>
        <translation>لا توجد تذكيرات بعد. اختر «تذكير جديد...» لإضافة تذكير من أي نوع، أو في النافذة الرئيسية اختر تاريخًا واكتب مذكرة ثم اختر «إضافة».</translation>
    </message>
    <message>
        <source>Enter opens a yearly reminder in the form and edits the others, Delete removes one, the Menu key shows what else can be done, Escape closes the window</source>
        <translation>يفتح Enter التذكير السنوي في النموذج ويحرّر الأنواع الأخرى، ويحذف Delete تذكيرًا، ويُظهر مفتاح القائمة ما يمكن فعله أيضًا، ويغلق Escape النافذة</translation>
    </message>
    <message>
        <source>%1 never falls due: %2.</source>
        <translation>%1 لا يحين أبدًا: %2.</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by; it will not ring again.</source>
        <translation>حلّ %1 في %2، وقد مضى؛ لن يرنّ مجددًا.</translation>
    </message>
    <message>
        <source>%1 falls due %2.</source>
        <translation>%1 يحين %2.</translation>
    </message>
    <message>
        <source>A reminder for %1 exists already:

%2

Replace it with this one?</source>
        <translation>يوجد تذكير لـ %1 بالفعل:

%2

هل تستبدله بهذا؟</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved.

%2</source>
        <translation>تعذّر حفظ التذكير %1.

%2</translation>
    </message>
</context>
<context>
    <name>CCalendarServerDialog</name>
    <message>
        <source>Calendar Server - Zamanix</source>
        <translation>خادم التقويم - Zamanix</translation>
    </message>
    <message>
        <source>Zamanix keeps a calendar on a CalDAV server holding each day on which a reminder falls due, for your phone and other calendar programs. A calendar that does not exist yet is created; without a URL nothing is published.</source>
        <translation>يحتفظ Zamanix بتقويم على خادم CalDAV يضم كل يوم يحين فيه تذكير، لهاتفك وبرامج التقويم الأخرى. يُنشأ التقويم إن لم يكن موجودًا بعد؛ ودون عنوان URL لا يُنشر شيء.</translation>
    </message>
    <message>
        <source>Calendar URL</source>
        <translation>عنوان URL للتقويم</translation>
    </message>
    <message>
        <source>The address of the calendar on the server, such as https://dav.example.org/anna/zamanix/</source>
        <translation>عنوان التقويم على الخادم، مثل https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>Over http:// the password travels unencrypted: use https://, unless the server runs on this computer.</source>
        <translation>عبر http://‎ تنتقل كلمة المرور دون تشفير: استخدم https://‎ ما لم يكن الخادم يعمل على هذا الحاسوب.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message>
        <source>Your user name on the calendar server</source>
        <translation>اسم المستخدم الخاص بك على خادم التقويم</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Your password on the calendar server</source>
        <translation>كلمة مرورك على خادم التقويم</translation>
    </message>
    <message>
        <source>Years ahead</source>
        <translation>السنوات القادمة</translation>
    </message>
    <message>
        <source>How many years of reminders, from today on, the calendar holds</source>
        <translation>كم سنة من التذكيرات، بدءًا من اليوم، يضم التقويم</translation>
    </message>
    <message>
        <source>&amp;Calendar URL:</source>
        <translation>عنوان URL لل&amp;تقويم:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>اسم ال&amp;مستخدم:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;كلمة المرور:</translation>
    </message>
    <message>
        <source>&amp;Years ahead:</source>
        <translation>ال&amp;سنوات القادمة:</translation>
    </message>
    <message>
        <source>Publish &amp;Now</source>
        <translation>&amp;نشر الآن</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>The password goes to your desktop's keyring, never into a file of Zamanix.</source>
        <translation>تذهب كلمة المرور إلى حلقة مفاتيح سطح المكتب، ولا تُكتب أبدًا في ملف من ملفات Zamanix.</translation>
    </message>
    <message>
        <source>No password is kept for this user at this calendar: give it here.</source>
        <translation>لا توجد كلمة مرور محفوظة لهذا المستخدم في هذا التقويم: أعطها هنا.</translation>
    </message>
    <message>
        <source>No keyring took the password, so it is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>لم تقبل أي حلقة مفاتيح كلمة المرور، لذا تُحفظ لهذه الجلسة فقط: أعطها هنا مجددًا بعد إعادة تشغيل Zamanix.</translation>
    </message>
    <message>
        <source>The password is kept in your desktop's keyring.</source>
        <translation>كلمة المرور محفوظة في حلقة مفاتيح سطح المكتب.</translation>
    </message>
    <message>
        <source>No keyring answered (%1), so the password is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>لم تُجب أي حلقة مفاتيح (%1)، لذا تُحفظ كلمة المرور لهذه الجلسة فقط: أعطها هنا مجددًا بعد إعادة تشغيل Zamanix.</translation>
    </message>
    <message>
        <source>The calendar server's settings were not saved: %1.</source>
        <translation>لم تُحفظ إعدادات خادم التقويم: %1.</translation>
    </message>
    <message>
        <source>The calendar server's settings could not be written to the profile; Zamanix publishes with them until it ends.

%1</source>
        <translation>تعذّرت كتابة إعدادات خادم التقويم في ملف التعريف؛ سينشر Zamanix بها حتى يُغلق.

%1</translation>
    </message>
    <message>
        <source>Handing the password to the keyring...</source>
        <translation>تسليم كلمة المرور إلى حلقة المفاتيح...</translation>
    </message>
    <message>
        <source>Give the URL of a calendar first: Zamanix publishes the reminders there.</source>
        <translation>أعطِ عنوان URL لتقويم أولًا: ينشر Zamanix التذكيرات هناك.</translation>
    </message>
    <message>
        <source>Save the changes to the calendar server's settings?</source>
        <translation>هل تريد حفظ التغييرات على إعدادات خادم التقويم؟</translation>
    </message>
    <message>
        <source>Publish Now publishes the reminders at once; Zamanix also publishes them by itself after each change.</source>
        <translation>يَنشر «النشر الآن» التذكيرات فورًا؛ وينشرها Zamanix أيضًا من تلقاء نفسه بعد كل تغيير.</translation>
    </message>
    <message>
        <source>Publishing is off: give the URL of a calendar to publish to.</source>
        <translation>النشر متوقف: أعطِ عنوان URL لتقويم للنشر إليه.</translation>
    </message>
</context>
<context>
    <name>CCrescentPrompt</name>
    <message>
        <source>Has the new moon of %1 been seen?</source>
        <translation>هل رُئي هلال %1؟</translation>
    </message>
    <message>
        <source>Today is 29 %1; your answer records the day %2 begins.</source>
        <translation>اليوم 29 %1؛ تسجّل إجابتك اليوم الذي يبدأ فيه %2.</translation>
    </message>
    <message>
        <source>Yes: %1 begins tomorrow</source>
        <translation>نعم: يبدأ %1 غدًا</translation>
    </message>
    <message>
        <source>No: %1 has 30 days</source>
        <translation>لا: %1 ثلاثون يومًا</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>ليس بعد</translation>
    </message>
    <message>
        <source>Zamanix: The New Moon</source>
        <translation>Zamanix: الهلال</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>تعذّر تسجيل بداية %1.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>تعذّر حفظ خيار السؤال عن الهلال؛ سينسى Zamanix ذلك عند إغلاقه.</translation>
    </message>
    <message>
        <source>The choice of digits could not be saved; Zamanix forgets it when it closes.</source>
        <translation>تعذّر حفظ اختيار الأرقام؛ سينسى Zamanix ذلك عند إغلاقه.</translation>
    </message>
</context>
<context>
    <name>CMissedReminderModel</name>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>التاريخ الهجري</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>المنبّه</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>المذكرة</translation>
    </message>
</context>
<context>
    <name>CMissedRemindersWindow</name>
    <message>
        <source>Missed Reminders - Zamanix</source>
        <translation>التذكيرات الفائتة - Zamanix</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>التذكيرات الفائتة</translation>
    </message>
    <message>
        <source>These reminders fell due while Zamanix was not running or the computer was asleep.</source>
        <translation>حان موعد هذه التذكيرات حين لم يكن Zamanix يعمل أو كان الحاسوب في وضع السكون.</translation>
    </message>
    <message>
        <source>Missed reminders</source>
        <translation>التذكيرات الفائتة</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Escape closes the window</source>
        <translation>يفتح Enter التذكير في النموذج، ويغلق Escape النافذة</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>&amp;فتح في النموذج</translation>
    </message>
    <message>
        <source>Shows the selected reminder in the form</source>
        <translation>يعرض التذكير المحدد في النموذج</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders missed</source>
        <comment>%n reminder missed</comment>
        <translation>
            <numerusform>لا تذكيرات فائتة</numerusform>
            <numerusform>تذكير واحد فائت</numerusform>
            <numerusform>تذكيران فائتان</numerusform>
            <numerusform>%n تذكيرات فائتة</numerusform>
            <numerusform>%n تذكيرًا فائتًا</numerusform>
            <numerusform>%n تذكير فائت</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMonthDock</name>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Whether the month panel is shown could not be saved; Zamanix forgets it when it closes.</source>
        <translation>تعذّر حفظ إظهار لوحة الشهر أو إخفائها؛ سينسى Zamanix ذلك عند إغلاقه.</translation>
    </message>
    <message>
        <source>Whether the holy days are marked could not be saved; Zamanix forgets it when it closes.</source>
        <translation>تعذّر حفظ إعداد تمييز المناسبات؛ سينسى Zamanix ذلك عند إغلاقه.</translation>
    </message>
    <message>
        <source>The side of the month panel could not be saved.</source>
        <translation>تعذّر حفظ موضع لوحة الشهر.</translation>
    </message>
</context>
<context>
    <name>CMonthPanel</name>
    <message>
        <source>Week %1</source>
        <translation>الأسبوع %1</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>السنة السابقة</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>الشهر السابق</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>الشهر التالي</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>السنة التالية</translation>
    </message>
    <message>
        <source>Arrow keys move the day, Page Up and Page Down the month, with Control the year; Home goes to today; Enter shows the day in the form</source>
        <translation>تنقل مفاتيح الأسهم بين الأيام، و Page Up و Page Down بين الأشهر، ومعهما Ctrl بين السنوات؛ ويعود Home إلى اليوم؛ ويعرض Enter اليوم في النموذج</translation>
    </message>
    <message>
        <source>Holy days: %1</source>
        <translation>المناسبات: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>و%1 غيرها</translation>
    </message>
    <message>
        <source>Holy days</source>
        <translation>المناسبات</translation>
    </message>
    <message>
        <source>Phases of the Moon (local time)</source>
        <translation>أطوار القمر (بالتوقيت المحلي)</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>التذكيرات</translation>
    </message>
    <message>
        <source>reminder: %1</source>
        <translation>تذكير: %1</translation>
    </message>
    <message>
        <source>reminders: %1</source>
        <translation>تذكيرات: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (alarm at %2)</source>
        <translation>تذكير: %1 (المنبّه الساعة %2)</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>تذكير: %1</translation>
    </message>
    <message>
        <source>new moon at %1</source>
        <translation>المحاق الساعة %1</translation>
    </message>
    <message>
        <source>first quarter at %1</source>
        <translation>التربيع الأول الساعة %1</translation>
    </message>
    <message>
        <source>full moon at %1</source>
        <translation>البدر الساعة %1</translation>
    </message>
    <message>
        <source>last quarter at %1</source>
        <translation>التربيع الأخير الساعة %1</translation>
    </message>
    <message>
        <source>today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Began On...</source>
        <translation>بدأ في...</translation>
    </message>
    <message>
        <source>This Month Began On...</source>
        <translation>بدأ هذا الشهر في...</translation>
    </message>
    <message>
        <source>Remove Record</source>
        <translation>إزالة التسجيل</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>تعذّر تسجيل بداية %1.</translation>
    </message>
    <message>
        <source>The recorded start of %1 could not be removed.</source>
        <translation>تعذّرت إزالة بداية %1 المسجّلة.</translation>
    </message>
</context>
<context>
    <name>CMonthStartDialog</name>
    <message>
        <source>When %1 Began - Zamanix</source>
        <translation>متى بدأ %1 - Zamanix</translation>
    </message>
    <message>
        <source>The days it can have begun on</source>
        <translation>الأيام التي يمكن أن يكون بدأ فيها</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;تسجيل</translation>
    </message>
    <message>
        <source>Remove Recor&amp;d</source>
        <translation>إ&amp;زالة التسجيل</translation>
    </message>
    <message>
        <source>%1 cannot be recorded to begin on any day now: %2</source>
        <translation>لا يمكن الآن تسجيل بداية %1 في أي يوم: %2</translation>
    </message>
    <message>
        <source>%1 began on %2, as recorded; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>بدأ %1 في %2، كما سُجّل؛ ويبدؤه %3 في %4. اختر اليوم الذي أعلنه مجتمعك.</translation>
    </message>
    <message>
        <source>%1 begins on %2, moved by the records of the months around it; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>يبدأ %1 في %2، بحسب تسجيلات الأشهر المحيطة به؛ ويبدؤه %3 في %4. اختر اليوم الذي أعلنه مجتمعك.</translation>
    </message>
    <message>
        <source>%1 begins on %2 under %3. Choose the day your community announced.</source>
        <translation>يبدأ %1 في %2 وفق %3. اختر اليوم الذي أعلنه مجتمعك.</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start, recorded)</source>
        <translation>%1، الآن %2 (بداية القاعدة، مسجّلة)</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start)</source>
        <translation>%1، الآن %2 (بداية القاعدة)</translation>
    </message>
    <message>
        <source>%1, now %2 (recorded)</source>
        <translation>%1، الآن %2 (مسجّلة)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <translation>%1، الآن %2</translation>
    </message>
</context>
<context>
    <name>CMonthStartModel</name>
    <message>
        <source>Ignored: %1</source>
        <translation>مُتجاهَل: %1</translation>
    </message>
    <message>
        <source>the same day</source>
        <translation>اليوم نفسه</translation>
    </message>
    <message>
        <source>1 day earlier</source>
        <translation>قبل يوم واحد</translation>
    </message>
    <message>
        <source>1 day later</source>
        <translation>بعد يوم واحد</translation>
    </message>
    <message>
        <source>%1 days earlier</source>
        <translation>قبل %1 أيام</translation>
    </message>
    <message>
        <source>%1 days later</source>
        <translation>بعد %1 أيام</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>الشهر الهجري</translation>
    </message>
    <message>
        <source>Began on</source>
        <translation>بدأ في</translation>
    </message>
    <message>
        <source>The rule's start</source>
        <translation>بداية القاعدة</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>الفرق</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
</context>
<context>
    <name>CMonthStartsWindow</name>
    <message>
        <source>and %1 more</source>
        <translation>و%1 غيرها</translation>
    </message>
    <message>
        <source>Hijri Month Starts - Zamanix</source>
        <translation>بدايات الأشهر الهجرية - Zamanix</translation>
    </message>
    <message>
        <source>Recorded month starts</source>
        <translation>بدايات الأشهر المسجّلة</translation>
    </message>
    <message>
        <source>Delete removes the selected record; Escape closes the window</source>
        <translation>يزيل Delete التسجيل المحدد؛ ويغلق Escape النافذة</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>إ&amp;زالة</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>ا&amp;ستيراد...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Replace the records with those of a file, as a mosque or a community site publishes them</source>
        <translation>استبدال التسجيلات بتلك التي في ملف، كما ينشرها مسجد أو موقع مجتمع</translation>
    </message>
    <message>
        <source>The new moon</source>
        <translation>الهلال</translation>
    </message>
    <message>
        <source>Ask on the 29th of each Hijri month whether it was seen, at</source>
        <translation>السؤال في 29 من كل شهر هجري هل رُئي، عند</translation>
    </message>
    <message>
        <source>Time of the question about the new moon</source>
        <translation>وقت السؤال عن الهلال</translation>
    </message>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>تعذّر حفظ خيار السؤال عن الهلال؛ سينسى Zamanix ذلك عند إغلاقه.</translation>
    </message>
    <message>
        <source>The time of the question about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>تعذّر حفظ وقت السؤال عن الهلال؛ سينسى Zamanix ذلك عند إغلاقه.</translation>
    </message>
    <message>
        <source>The Hijri calendar in use: %1.</source>
        <translation>التقويم الهجري المستخدم: %1.</translation>
    </message>
    <message>
        <source>No month start is recorded; the month panel's This Month Began On... records one.</source>
        <translation>لا توجد بداية شهر مسجّلة؛ يسجّل «بدأ هذا الشهر في...» في لوحة الشهر واحدة.</translation>
    </message>
    <message>
        <source>Each record says on which day a Hijri month began for your community; a marked one cannot be kept and is ignored.</source>
        <translation>يذكر كل تسجيل اليوم الذي بدأ فيه شهر هجري لدى مجتمعك؛ والتسجيل المعلَّم لا يمكن الاحتفاظ به فيُتجاهَل.</translation>
    </message>
    <message>
        <source>Remove the recorded start of %1, %2?</source>
        <translation>هل تزيل بداية %1 المسجّلة، %2؟</translation>
    </message>
    <message>
        <source>Remove the entry %1 from the profile?</source>
        <translation>هل تزيل المدخل %1 من ملف التعريف؟</translation>
    </message>
    <message>
        <source>The record of %1 could not be removed.</source>
        <translation>تعذّرت إزالة تسجيل %1.</translation>
    </message>
    <message>
        <source>Import Hijri Month Starts</source>
        <translation>استيراد بدايات الأشهر الهجرية</translation>
    </message>
    <message>
        <source>Month starts (*.txt *.ini)</source>
        <translation>بدايات الأشهر (*.txt *.ini)</translation>
    </message>
    <message>
        <source>Importing "%1" replaces the month starts recorded now, and %2 of them that the file does not hold will be removed. Import it?</source>
        <translation>يستبدل استيراد "%1" بدايات الأشهر المسجّلة الآن، وستُزال %2 منها لا يحويها الملف. هل تستورده؟</translation>
    </message>
    <message>
        <source>The month starts of "%1" could not be imported.</source>
        <translation>تعذّر استيراد بدايات الأشهر من "%1".</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ليس ملفًا</translation>
    </message>
    <message>
        <source>it is larger than a list of month starts can be</source>
        <translation>أكبر مما يمكن أن تكون عليه قائمة بدايات الأشهر</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1": %2.</source>
        <translation>لم يُستورد شيء من "%1": %2.</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1", for these lines:</source>
        <translation>لم يُستورد شيء من "%1"، بسبب هذه الأسطر:</translation>
    </message>
</context>
<context>
    <name>COneCopy</name>
    <message>
        <source>Zamanix opens local files only</source>
        <translation>لا يفتح Zamanix إلا الملفات المحلية</translation>
    </message>
    <message>
        <source>Zamanix has no action %1</source>
        <translation>ليس لدى Zamanix إجراء باسم %1</translation>
    </message>
</context>
<context>
    <name>CReminderDialog</name>
    <message>
        <source>Every year</source>
        <translation>كل سنة</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>مرة واحدة</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>كل شهر</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>كل أسبوع</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>هجري</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>ميلادي</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>الأحد</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>الاثنين</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>الثلاثاء</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>الأربعاء</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>الخميس</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>السبت</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> دقيقة</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source> day before</source>
        <translation> يوم قبله</translation>
    </message>
    <message>
        <source> days before</source>
        <translation> أيام قبله</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>يوم الأسبوع</translation>
    </message>
    <message>
        <source>Falls due</source>
        <translation>يحين</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>المذكرة</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>وقت المنبّه</translation>
    </message>
    <message>
        <source>Repeat interval in minutes</source>
        <translation>فاصل التكرار بالدقائق</translation>
    </message>
    <message>
        <source>Notice: days before each day it falls due</source>
        <translation>التنبيه المسبق: أيام قبل كل يوم يحين فيه</translation>
    </message>
    <message>
        <source>Edit Reminder - Zamanix</source>
        <translation>تحرير التذكير - Zamanix</translation>
    </message>
    <message>
        <source>New Reminder - Zamanix</source>
        <translation>تذكير جديد - Zamanix</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>ال&amp;نوع:</translation>
    </message>
    <message>
        <source>&amp;Calendar:</source>
        <translation>ال&amp;تقويم:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>ال&amp;شهر:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>ال&amp;يوم:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>ال&amp;سنة:</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>يوم الأس&amp;بوع:</translation>
    </message>
    <message>
        <source>Falls due:</source>
        <translation>يحين:</translation>
    </message>
    <message>
        <source>M&amp;emo:</source>
        <translation>ال&amp;مذكرة:</translation>
    </message>
    <message>
        <source>&amp;Alarm at:</source>
        <translation>المنبّه &amp;عند:</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>التكرا&amp;ر كل:</translation>
    </message>
    <message>
        <source>&amp;Notice:</source>
        <translation>&amp;إشعار مسبق:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
</context>
<context>
    <name>CReminderTableModel</name>
    <message>
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>المذكرة</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>المنبّه</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>التكرار</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>الموعد التالي</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>التاريخ الهجري</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>الأيام المتبقية</translation>
    </message>
    <message>
        <source>today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>غدًا</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <comment>in %n day</comment>
        <translation>
            <numerusform>اليوم</numerusform>
            <numerusform>بعد يوم واحد</numerusform>
            <numerusform>بعد يومين</numerusform>
            <numerusform>بعد %n أيام</numerusform>
            <numerusform>بعد %n يومًا</numerusform>
            <numerusform>بعد %n يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>هجري</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>ميلادي</translation>
    </message>
    <message>
        <source>never</source>
        <translation>أبدًا</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 دقيقة</translation>
    </message>
    <message>
        <source>Never: %1</source>
        <translation>لا يحين أبدًا: %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>إشعار مسبق</translation>
    </message>
    <message>
        <source>past, yesterday</source>
        <translation>مضى، أمس</translation>
    </message>
    <message numerus="yes">
        <source>past, %n days ago</source>
        <comment>past, %n day ago</comment>
        <translation>
            <numerusform>مضى، اليوم</numerusform>
            <numerusform>مضى، قبل يوم واحد</numerusform>
            <numerusform>مضى، قبل يومين</numerusform>
            <numerusform>مضى، قبل %n أيام</numerusform>
            <numerusform>مضى، قبل %n يومًا</numerusform>
            <numerusform>مضى، قبل %n يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>كل سنة</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>مرة واحدة</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>كل شهر</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>كل أسبوع</translation>
    </message>
    <message numerus="yes">
        <source>%n days before</source>
        <comment>%n day before</comment>
        <translation>
            <numerusform>في اليوم نفسه</numerusform>
            <numerusform>قبله بيوم</numerusform>
            <numerusform>قبله بيومين</numerusform>
            <numerusform>قبله بـ %n أيام</numerusform>
            <numerusform>قبله بـ %n يومًا</numerusform>
            <numerusform>قبله بـ %n يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>CShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts - Zamanix</source>
        <translation>اختصارات لوحة المفاتيح - Zamanix</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>المكان</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>المفاتيح</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>وظيفتها</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>اختصارات لوحة المفاتيح</translation>
    </message>
</context>
<context>
    <name>CZamanixApp</name>
    <message>
        <source>zamanix: the running copy does not answer (%1); starting another</source>
        <translation>zamanix: النسخة العاملة لا تجيب (%1)؛ جارٍ تشغيل نسخة أخرى</translation>
    </message>
    <message>
        <source>Neither XDG_CONFIG_HOME nor HOME names the folder where the desktop looks for the programs to start at login.</source>
        <translation>لا يحدد XDG_CONFIG_HOME ولا HOME المجلد الذي يبحث فيه سطح المكتب عن البرامج التي تبدأ عند تسجيل الدخول.</translation>
    </message>
    <message>
        <source>The program's path "%1" cannot be written in a desktop entry.</source>
        <translation>لا يمكن كتابة مسار البرنامج «%1» في مُدخل سطح المكتب.</translation>
    </message>
    <message>
        <source>Zamanix could not stop starting at login:

%1</source>
        <translation>تعذّر إيقاف بدء Zamanix عند تسجيل الدخول:

%1</translation>
    </message>
    <message>
        <source>Zamanix could not be set to start at login:

%1</source>
        <translation>تعذّر ضبط Zamanix ليبدأ عند تسجيل الدخول:

%1</translation>
    </message>
    <message>
        <source>The manual could not be opened: no help viewer (such as Yelp) is installed, nor the README.

In a terminal, "man zamanix" shows the manual.</source>
        <translation>تعذّر فتح الدليل: لا يوجد عارض تعليمات مثبّت (مثل Yelp)، ولا ملف README.

في الطرفية، يعرض الأمر "man zamanix" الدليل.</translation>
    </message>
</context>
<context>
    <name>CZamanixProfile</name>
    <message>
        <source>Zamanix cannot compute the %1 calendar: %2.

It goes on with the %3 calendar; Options &gt; Hijri Calendar chooses another.</source>
        <translation>لا يستطيع Zamanix حساب تقويم %1: %2.

سيستمر بتقويم %3؛ تختار خيارات &gt; التقويم الهجري تقويمًا آخر.</translation>
    </message>
    <message>
        <source>%1 cannot be recorded: %2</source>
        <translation>لا يمكن تسجيل %1: %2</translation>
    </message>
</context>
<context>
    <name>CZamanixView</name>
    <message>
        <source>Zamanix Reminder</source>
        <translation>تذكير Zamanix</translation>
    </message>
    <message>
        <source>Remind me again in %1 minutes</source>
        <translation>ذكّرني مرة أخرى بعد %1 دقيقة</translation>
    </message>
    <message>
        <source>Done for today</source>
        <translation>انتهى لهذا اليوم</translation>
    </message>
    <message>
        <source>Zamanix Reminder:

</source>
        <translation>تذكير Zamanix:

</translation>
    </message>
    <message>
        <source>

Do you want me to remind you again in %1 minutes?</source>
        <translation>

هل تريد أن أذكّرك مرة أخرى بعد %1 دقيقة؟</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>هجري</translation>
    </message>
    <message>
        <source>%1:%2, every %3 minutes</source>
        <translation>%1:%2، كل %3 دقيقة</translation>
    </message>
    <message>
        <source>The Hijri calendar setting could not be saved; Zamanix keeps %1 only until it is closed.</source>
        <translation>تعذّر حفظ إعداد التقويم الهجري؛ سيبقى Zamanix على «%1» حتى إغلاقه فقط.</translation>
    </message>
    <message>
        <source>zamanix: cannot record when the reminders were last checked: %1</source>
        <translation>zamanix: تعذّر تسجيل وقت آخر فحص للتذكيرات: %1</translation>
    </message>
    <message>
        <source>The reminder for %1 cannot be kept: %2.

Nothing was written. Correct the day or type a memo, then choose Add again.</source>
        <translation>لا يمكن حفظ التذكير %1: %2.

لم يُكتب شيء. صحّح اليوم أو اكتب مذكرة، ثم اختر إضافة مجددًا.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved. What you typed is still in the form; add it again once the file can be written.</source>
        <translation>تعذّر حفظ التذكير %1. ما كتبته لا يزال في النموذج؛ أضفه مرة أخرى حين تصبح الكتابة في الملف ممكنة.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>تعذّر حذف التذكير %1.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays audible only until Zamanix is closed.</source>
        <translation>تعذّر حفظ إعداد الصوت؛ سيبقى المنبّه مسموعًا حتى إغلاق Zamanix فقط.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays silent only until Zamanix is closed.</source>
        <translation>تعذّر حفظ إعداد الصوت؛ سيبقى المنبّه صامتًا حتى إغلاق Zamanix فقط.</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>ليس في %1 %2 إلا %3 يومًا</translation>
    </message>
    <message>
        <source>%1 %2 %3 does not exist</source>
        <translation>%1 %2 %3 غير موجود</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in the years whose %2 has 30 days</source>
        <translation>حُفظ التذكير %1؛ يرنّ فقط في السنوات التي يكون فيها %2 ثلاثين يومًا</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in leap years</source>
        <translation>حُفظ التذكير %1؛ يرنّ فقط في السنوات الكبيسة</translation>
    </message>
    <message>
        <source>Reminder kept for %1, every year</source>
        <translation>حُفظ التذكير %1، كل سنة</translation>
    </message>
    <message>
        <source>Reminder of %1 deleted</source>
        <translation>حُذف التذكير %1</translation>
    </message>
    <message>
        <source>There was no reminder of %1 to delete</source>
        <translation>لم يكن هناك تذكير %1 لحذفه</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Usage:
  zamanix-convert [--from-hijri] [--format text|iso] [CALENDAR] DATE...
  zamanix-convert --today [--format text|iso] [CALENDAR]
  zamanix-convert --month YEAR-MONTH [--from-hijri] [CALENDAR]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [CALENDAR] &lt; dates
where CALENDAR is [--calendar astronomical|umalqura|civil] [--adjust N]
[--month-starts FILE] [--use-settings].

Converts dates between the Christian calendar (Julian up to 4 October 1582,
Gregorian from 15 October 1582) and the Hijri calendar: by default computed
from the instants of new moons, or kept by the Umm al-Qura or the tabular
(civil) rule.

DATE is YEAR-MONTH-DAY with the year as people write it: there is no year 0,
and -1-12-31 is the last day before 1-1-1. Years from -4000 to 3000 (of the
Christian calendar) are supported.

Options:
  --from-hijri        the dates given are Hijri dates (default: Christian)
  --format text       print both dates with the weekday (default), e.g.
                        Saturday 1 January 2000 = 24 Ramadhan 1420
  --format iso        print the converted date alone as YEAR-MM-DD, e.g.
                        1420-09-24
  --today             show today (local clock) in both calendars
  --month YEAR-MONTH  print the month as a grid like cal(1), each day as
                      day/day-in-the-other-calendar
  --batch             read one date per line from standard input and write
                      one line per input line (iso form unless --format text)
  --calendar RULE     the Hijri calendar: astronomical (default, from new
                      moons), umalqura (Umm al-Qura, Saudi Arabia's official
                      calendar) or civil (the tabular calendar)
  --adjust N          move the Hijri calendar N days, -2 to 2: with +1 each
                      day shows the Hijri date of the day after (default 0)
  --month-starts FILE the Hijri months begin as recorded in FILE, one line
                      a month, YEAR/MONTH=YYYY-MM-DD (the Hijri year and
                      month, then the Gregorian date of its first day),
                      e.g. 1448/9=2027-02-07, under a line [HijriMonthStarts]
                      or alone; the months around a record move as little
                      as keeps every month 29 or 30 days long
  --use-settings      take the calendar, adjustment and recorded month
                      starts of the Zamanix desktop program (its profile,
                      zamanix.INI) unless --calendar, --adjust or
                      --month-starts says otherwise
  -h, --help          show this help
  --version           show the version

Errors: a date that does not exist (a month outside 1-12, 2023-02-29, the
dropped days 1582-10-05 to 1582-10-14, Hijri day 30 of a month that has 29
days under the chosen calendar, year 0, a year out of range) or text that is
not a date is reported as "zamanix-convert: &lt;what is wrong&gt;" on standard
error, nothing is converted and the exit status is 2. In --batch mode the
line "error: &lt;what is wrong&gt;" stands in place of that date, the other lines
are still converted, and the exit status is 1 at the end.

A --month-starts FILE that cannot be read, holds a line that is no record,
or a record that cannot be kept (its day more than 2 days from the rule's
start of the month, or a month of 28 or 31 days with the other records)
is reported as "zamanix-convert: FILE: line N: &lt;what is wrong&gt;" and ends
the run with status 2 before any date is printed. A record of the profile
that cannot be kept is left out, with a warning on standard error.

Exit status: 0 success, 1 some --batch lines were wrong, 2 bad usage or date,
or input or output that failed.
</source>
        <translation>الاستخدام:
  zamanix-convert [--from-hijri] [--format text|iso] [تقويم] تاريخ...
  zamanix-convert --today [--format text|iso] [تقويم]
  zamanix-convert --month سنة-شهر [--from-hijri] [تقويم]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [تقويم] &lt; تواريخ
حيث «تقويم» هو [--calendar astronomical|umalqura|civil] [--adjust ن]
[--month-starts ملف] [--use-settings].

يحوّل التواريخ بين التقويم الميلادي (اليولياني حتى 4 أكتوبر 1582، والغريغوري
منذ 15 أكتوبر 1582) والتقويم الهجري: المحسوب افتراضيًا من لحظات اقتران القمر،
أو المتّبع لقاعدة أم القرى أو للقاعدة الجدولية (المدنية).

يُكتب التاريخ بالشكل سنة-شهر-يوم، والسنة كما يكتبها الناس: لا توجد سنة 0، و
-1-12-31 هو آخر يوم قبل 1-1-1. السنوات المدعومة من -4000 إلى 3000 (في
التقويم الميلادي).

الخيارات:
  --from-hijri        التواريخ المعطاة هجرية (الافتراضي: ميلادية)
  --format text       يطبع التاريخين مع اسم اليوم (الافتراضي)، مثل
                        السبت 1 يناير 2000 = 24 رمضان 1420
  --format iso        يطبع التاريخ المحوَّل وحده بالشكل سنة-شش-يي، مثل
                        1420-09-24
  --today             يعرض تاريخ اليوم (بالساعة المحلية) في التقويمين
  --month سنة-شهر     يطبع الشهر شبكةً مثل cal(1)، وكل يوم بالشكل
                      يوم/يومه-في-التقويم-الآخر
  --batch             يقرأ تاريخًا في كل سطر من الدخل القياسي ويكتب سطرًا
                      لكل سطر دخل (بصيغة iso ما لم يُعطَ --format text)
  --calendar قاعدة    التقويم الهجري: astronomical (الافتراضي، من اقترانات
                      القمر)، أو umalqura (أم القرى، التقويم الرسمي في
                      السعودية)، أو civil (التقويم الجدولي)
  --adjust ن          يزيح التقويم الهجري ن يومًا، من -2 إلى 2: مع +1 يعرض كل
                      يوم التاريخ الهجري لليوم الذي يليه (الافتراضي 0)
  --month-starts ملف  تبدأ الأشهر الهجرية كما سُجّلت في الملف، شهر في كل
                      سطر، بالشكل السنة/الشهر=السنة-الشهر-اليوم (السنة
                      والشهر الهجريان، ثم التاريخ الغريغوري ليومه الأول)،
                      مثل 1448/9=2027-02-07، تحت سطر [HijriMonthStarts] أو
                      دونه؛ وتُزاح الأشهر المحيطة بالسجل أقل ما يمكن ليبقى
                      طول كل شهر 29 يومًا أو 30
  --use-settings      يأخذ التقويم والتعديل وبدايات الأشهر المسجّلة من
                      برنامج Zamanix لسطح المكتب (ملف إعداداته zamanix.INI)
                      ما لم يحدد --calendar أو --adjust أو --month-starts
                      غير ذلك
  -h, --help          يعرض هذه المساعدة
  --version           يعرض رقم الإصدار

الأخطاء: التاريخ غير الموجود (شهر خارج 1-12، أو 2023-02-29، أو الأيام
المحذوفة من 1582-10-05 إلى 1582-10-14، أو اليوم الهجري 30 من شهر طوله 29 يومًا
في التقويم المختار، أو السنة 0، أو سنة خارج النطاق) أو النص الذي ليس تاريخًا
يُبلَّغ عنه بالشكل "zamanix-convert: &lt;ما الخطأ&gt;" على الخطأ القياسي، ولا
يُحوَّل شيء، وتكون حالة الخروج 2. وفي وضع --batch يحلّ السطر
"error: &lt;ما الخطأ&gt;" محل ذلك التاريخ، وتُحوَّل الأسطر الأخرى، وتكون حالة
الخروج في النهاية 1.

ملف --month-starts الذي تتعذّر قراءته، أو يحتوي سطرًا ليس سجلًا، أو سجلًا لا
يمكن الاحتفاظ به (يومه أبعد من يومين عن بداية الشهر وفق القاعدة، أو ينتج عنه
مع السجلات الأخرى شهر من 28 أو 31 يومًا) يُبلَّغ عنه بالشكل
"zamanix-convert: ملف: السطر ن: &lt;ما الخطأ&gt;" وينهي التشغيل بالحالة 2 قبل طباعة
أي تاريخ. والسجل من ملف الإعدادات الذي لا يمكن الاحتفاظ به يُترك، مع تحذير
على الخطأ القياسي.

حالة الخروج: 0 نجاح، 1 بعض أسطر --batch خاطئة، 2 استخدام أو تاريخ خاطئ، أو
فشل في الدخل أو الخرج.
</translation>
    </message>
    <message>
        <source>%1: %2
Try '%3 --help' for more information.</source>
        <translation>%1: %2
جرّب '%3 --help' لمزيد من المعلومات.</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another of --today, --month, --batch</source>
        <translation>لا يمكن جمع %1 مع خيار آخر من --today، --month، --batch</translation>
    </message>
    <message>
        <source>unknown format '%1'; use text or iso</source>
        <translation>تنسيق غير معروف '%1'؛ استخدم text أو iso</translation>
    </message>
    <message>
        <source>unknown calendar '%1'; use astronomical, umalqura or civil</source>
        <translation>تقويم غير معروف '%1'؛ استخدم astronomical أو umalqura أو civil</translation>
    </message>
    <message>
        <source>--month-starts needs a file name</source>
        <translation>يحتاج --month-starts إلى اسم ملف</translation>
    </message>
    <message>
        <source>adjustment '%1' is not a whole number of days from -2 to 2</source>
        <translation>التعديل '%1' ليس عددًا صحيحًا من الأيام من -2 إلى 2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: تحذير: %2</translation>
    </message>
    <message>
        <source>dates cannot be given together with --today, --month or --batch</source>
        <translation>لا يمكن إعطاء تواريخ مع --today أو --month أو --batch</translation>
    </message>
    <message>
        <source>no date given</source>
        <translation>لم يُعطَ أي تاريخ</translation>
    </message>
    <message>
        <source>--format does not apply to --month</source>
        <translation>لا ينطبق --format على --month</translation>
    </message>
    <message>
        <source>%1: the %2 calendar cannot be computed: %3</source>
        <translation>%1: لا يمكن حساب التقويم %2: %3</translation>
    </message>
    <message>
        <source>unknown option '%1'</source>
        <translation>خيار غير معروف '%1'</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>الخيار %1 لا يأخذ قيمة</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>الخيار %1 يحتاج إلى قيمة</translation>
    </message>
    <message>
        <source>%1: %2 is not a number of seconds</source>
        <translation>%1: %2 ليس عددًا من الثواني</translation>
    </message>
    <message>
        <source>%1: the clock's date cannot be converted: %2</source>
        <translation>%1: تعذّر تحويل تاريخ الساعة: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the dates: %2</source>
        <translation>%1: تعذّرت قراءة التواريخ: %2</translation>
    </message>
    <message>
        <source>%1: could not write the output</source>
        <translation>%1: تعذّرت كتابة المخرجات</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>there is no year 0; the year before 1 is -1</source>
        <translation>لا توجد سنة 0؛ السنة التي تسبق 1 هي -1</translation>
    </message>
    <message>
        <source>year %1 is outside the supported range %2 to %3</source>
        <translation>السنة %1 خارج النطاق المدعوم من %2 إلى %3</translation>
    </message>
    <message>
        <source>month %1 does not exist; months run from 1 to 12</source>
        <translation>الشهر %1 غير موجود؛ الأشهر من 1 إلى 12</translation>
    </message>
    <message>
        <source>Hijri year %1 lies outside the supported range (Christian years %2 to %3)</source>
        <translation>السنة الهجرية %1 خارج النطاق المدعوم (السنوات الميلادية من %2 إلى %3)</translation>
    </message>
    <message>
        <source>%1 is not a date; write YEAR-MONTH-DAY, for example 2000-01-31</source>
        <translation>%1 ليس تاريخًا؛ اكتب السنة-الشهر-اليوم، مثل 2000-01-31</translation>
    </message>
    <message>
        <source>%1 is not a month; write YEAR-MONTH, for example 2000-01</source>
        <translation>%1 ليس شهرًا؛ اكتب السنة-الشهر، مثل 2000-01</translation>
    </message>
    <message>
        <source>day 0 does not exist; days start at 1</source>
        <translation>اليوم 0 غير موجود؛ الأيام تبدأ من 1</translation>
    </message>
    <message>
        <source>%1 October 1582 does not exist; the Gregorian calendar follows 4 October 1582 with 15 October 1582</source>
        <translation>لا وجود ليوم %1 أكتوبر 1582؛ ففي التقويم الغريغوري يلي 15 أكتوبر 1582 يومَ 4 أكتوبر 1582 مباشرة</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>ليس في %1 %2 إلا %3 يومًا</translation>
    </message>
    <message>
        <source>%1 %2 (Hijri) has only %3 days</source>
        <translation>ليس في %1 %2 (هجري) إلا %3 يومًا</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A date: %1 the day, %2 the month's name, %3 the year ("6 March 1998").</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <extracomment>A date with its weekday: %1 the weekday, %2 the day, %3 the month's name, %4 the year ("Friday 6 March 1998").</extracomment>
        <translation>%1، %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A month of a year: %1 the month's name, %2 the year ("Ramadhan 1447").</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Zamanix</source>
        <translation>Zamanix</translation>
    </message>
    <message>
        <source>Zamanix Version 1.1</source>
        <translation>Zamanix الإصدار 1.1</translation>
    </message>
    <message>
        <source>Hijri and Christian calendar with reminders.
By the Zamanix developers.</source>
        <translation>تقويم هجري وميلادي مع تذكيرات.
من مطوّري Zamanix.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>About Zamanix</source>
        <translation>عن Zamanix</translation>
    </message>
    <message>
        <source>Today's Date:</source>
        <translation>تاريخ اليوم:</translation>
    </message>
    <message>
        <source>Today's Date</source>
        <translation>تاريخ اليوم</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>Islamic Hijri</source>
        <translation>هجري</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>ميلادي</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>الشهر:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>اليوم:</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>السنة:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message>
        <source>Corresponding Date:</source>
        <translation>التاريخ المقابل:</translation>
    </message>
    <message>
        <source>Corresponding Date</source>
        <translation>التاريخ المقابل</translation>
    </message>
    <message>
        <source>Reminder Memo:</source>
        <translation>مذكرة التذكير:</translation>
    </message>
    <message>
        <source>Reminder Memo</source>
        <translation>مذكرة التذكير</translation>
    </message>
    <message>
        <source>Alarm at:</source>
        <translation>وقت المنبّه:</translation>
    </message>
    <message>
        <source>Alarm hour</source>
        <translation>ساعة المنبّه</translation>
    </message>
    <message>
        <source>Alarm minute</source>
        <translation>دقيقة المنبّه</translation>
    </message>
    <message>
        <source>Every:</source>
        <translation>كل:</translation>
    </message>
    <message>
        <source>Repeat every (minutes)</source>
        <translation>التكرار كل (بالدقائق)</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>إ&amp;ضافة</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>ع&amp;رض</translation>
    </message>
    <message>
        <source>View</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>تاريخ اليوم:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <source>Corresponding date:</source>
        <translation>التاريخ المقابل:</translation>
    </message>
    <message>
        <source>Hijri calendar:</source>
        <translation>التقويم الهجري:</translation>
    </message>
    <message>
        <source>Reminder memo:</source>
        <translation>مذكرة التذكير:</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>%1: %2; a document cannot be saved over it.
Save the document under another name.</source>
        <translation>%1: %2؛ لا يمكن حفظ مستند فوقه.
احفظ المستند باسم آخر.</translation>
    </message>
    <message>
        <source>%1 is not empty. A %2 document holds no data, so saving it here would replace what the file holds with nothing.

Replace the contents of %3 anyway?</source>
        <translation>%1 ليس فارغًا. مستند %2 لا يحمل أي بيانات، ولذلك فإن حفظه هنا سيمحو ما في الملف دون أن يضع شيئًا مكانه.

أتريد استبدال محتوى %3 رغم ذلك؟</translation>
    </message>
    <message>
        <source>%1
(Not a regular file: a pipe, socket or device cannot hold a document)</source>
        <translation>%1
(ليس ملفًا عاديًا: لا يمكن لأنبوب أو مقبس أو جهاز أن يحمل مستندًا)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot read "%1": %2</source>
        <translation>تعذّرت قراءة «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2); to keep changes in it, make it writable (chmod u+w "%3")</source>
        <translation>تعذّرت كتابة «%1»: الملف للقراءة فقط (الوضع %2)؛ لحفظ التغييرات فيه اجعله قابلًا للكتابة (chmod u+w "%3")</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2) for you: it belongs to another user</source>
        <translation>تعذّرت كتابة «%1»: الملف للقراءة فقط بالنسبة إليك (الوضع %2): فهو ملك مستخدم آخر</translation>
    </message>
    <message>
        <source>cannot create "%1": %2</source>
        <translation>تعذّر إنشاء «%1»: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of "%1": %2</source>
        <translation>تعذّر ضبط أذونات «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": %2</source>
        <translation>تعذّرت كتابة «%1»: %2</translation>
    </message>
    <message>
        <source>cannot flush "%1": %2</source>
        <translation>تعذّر تفريغ مخزن «%1» المؤقت: %2</translation>
    </message>
    <message>
        <source>cannot read "%1": it is not a regular file</source>
        <translation>تعذّرت قراءة «%1»: ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>cannot find the folder of "%1": %2</source>
        <translation>تعذّر العثور على مجلد «%1»: %2</translation>
    </message>
    <message>
        <source>cannot follow the link "%1": %2</source>
        <translation>تعذّر تتبّع الرابط «%1»: %2</translation>
    </message>
    <message>
        <source>cannot follow the links of "%1": %2</source>
        <translation>تعذّر تتبّع روابط «%1»: %2</translation>
    </message>
    <message>
        <source>cannot create the folder "%1": %2</source>
        <translation>تعذّر إنشاء المجلد «%1»: %2</translation>
    </message>
    <message>
        <source>cannot replace "%1": %2</source>
        <translation>تعذّر استبدال «%1»: %2</translation>
    </message>
    <message>
        <source>cannot open the lock file "%1": %2</source>
        <translation>تعذّر فتح ملف القفل «%1»: %2</translation>
    </message>
    <message>
        <source>another program has held the lock file "%1" for too long</source>
        <translation>يمسك برنامج آخر بملف القفل «%1» منذ مدة طويلة جدًا</translation>
    </message>
    <message>
        <source>cannot lock "%1": %2</source>
        <translation>تعذّر قفل «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a folder; name a file in it</source>
        <translation>تعذّرت كتابة «%1»: إنه مجلد؛ سمِّ ملفًا داخله</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a socket, not a file</source>
        <translation>تعذّرت كتابة «%1»: إنه مقبس وليس ملفًا</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a device, not a file</source>
        <translation>تعذّرت كتابة «%1»: إنه جهاز وليس ملفًا</translation>
    </message>
    <message>
        <source>cannot write "%1": the program reading it stopped reading</source>
        <translation>تعذّرت كتابة «%1»: توقّف البرنامج الذي يقرؤه عن القراءة</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a pipe that no program reads; start the reader first</source>
        <translation>تعذّرت كتابة «%1»: إنه أنبوب لا يقرؤه أي برنامج؛ شغّل البرنامج القارئ أولًا</translation>
    </message>
    <message>
        <source>cannot write "%1": %2; choose another file</source>
        <translation>تعذّرت كتابة «%1»: %2؛ اختر ملفًا آخر</translation>
    </message>
    <message>
        <source>no profile file was named</source>
        <translation>لم يُحدَّد ملف إعدادات</translation>
    </message>
    <message>
        <source>not enough memory to write "%1"</source>
        <translation>الذاكرة لا تكفي لكتابة «%1»</translation>
    </message>
    <message>
        <source>the section name "%1" holds "]" or a line break</source>
        <translation>اسم القسم «%1» يحتوي على «]» أو على فاصل أسطر</translation>
    </message>
    <message>
        <source>the entry name "%1" holds "=" or a line break, or starts with ";" or "["</source>
        <translation>اسم المُدخل «%1» يحتوي على «=» أو على فاصل أسطر، أو يبدأ بـ«;» أو «[»</translation>
    </message>
    <message>
        <source>it is the profile, which holds the reminders and settings</source>
        <translation>إنه ملف الإعدادات الذي يحفظ التذكيرات والإعدادات</translation>
    </message>
    <message>
        <source>it is the lock file of the profile "%1", which holds the reminders and settings</source>
        <translation>إنه ملف القفل لملف الإعدادات «%1» الذي يحفظ التذكيرات والإعدادات</translation>
    </message>
    <message>
        <source>it is the file through which the profile "%1", which holds the reminders and settings, is replaced</source>
        <translation>إنه الملف الذي يُستبدل عبره ملف الإعدادات «%1» الذي يحفظ التذكيرات والإعدادات</translation>
    </message>
    <message>
        <source>it is the backup of the profile "%1", which holds the reminders and settings</source>
        <translation>إنه النسخة الاحتياطية لملف الإعدادات «%1» الذي يحفظ التذكيرات والإعدادات</translation>
    </message>
    <message>
        <source>no profile file: the program's file name "%1" gives it no name</source>
        <translation>لا يوجد ملف إعدادات: اسم ملف البرنامج «%1» لا يعطيه اسمًا</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 غير مضبوط</translation>
    </message>
    <message>
        <source>%1 is "%2"</source>
        <translation>قيمة %1 هي «%2»</translation>
    </message>
    <message>
        <source>no folder for the profile file %1.INI: it is kept in $XDG_CONFIG_HOME or else in $HOME/.config, but %2 and %3. Set HOME (or XDG_CONFIG_HOME) to an absolute folder, such as your home folder, and start the program again</source>
        <translation>لا يوجد مجلد لملف الإعدادات %1.INI: فهو يُحفظ في $XDG_CONFIG_HOME وإلا ففي $HOME/.config، لكن %2 و%3. اضبط HOME (أو XDG_CONFIG_HOME) على مجلد بمسار مطلق، مثل مجلد المنزل، ثم شغّل البرنامج من جديد</translation>
    </message>
    <message>
        <source>cannot read "%1": not enough memory to hold it</source>
        <translation>تعذّرت قراءة «%1»: الذاكرة لا تكفي لحمله</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds none of the sections of a profile ([Reminder], [Alarm], [Defaults]); choose a file that Back Up Reminders wrote</source>
        <translation>"%1" ليس نسخة احتياطية من التذكيرات: لا يحوي أيًّا من أقسام ملف التعريف ([Reminder]، [Alarm]، [Defaults])؛ اختر ملفًا كتبه أمر نسخ التذكيرات احتياطيًا</translation>
    </message>
    <message>
        <source>there is nothing to back up yet: the profile "%1" does not exist, since no reminder or setting was kept so far</source>
        <translation>لا شيء لنسخه احتياطيًا بعد: ملف التعريف "%1" غير موجود، إذ لم يُحفظ أي تذكير أو إعداد حتى الآن</translation>
    </message>
    <message>
        <source>cannot restore from "%1": %2; choose a backup that Back Up Reminders wrote</source>
        <translation>تتعذّر الاستعادة من "%1": %2؛ اختر نسخة احتياطية كتبها أمر نسخ التذكيرات احتياطيًا</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds bytes that are no text</source>
        <translation>"%1" ليس نسخة احتياطية من التذكيرات: يحوي بايتات ليست نصًا</translation>
    </message>
    <message>
        <source>cannot restore "%1": %2</source>
        <translation>تتعذّر استعادة "%1": %2</translation>
    </message>
    <message>
        <source>cannot remove "%1": %2</source>
        <translation>تعذّرت إزالة «%1»: %2</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Astronomical</source>
        <translation>فلكي</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>أم القرى</translation>
    </message>
    <message>
        <source>Tabular (civil)</source>
        <translation>جدولي (مدني)</translation>
    </message>
    <message>
        <source>%1, 1 %2 recorded</source>
        <translation>%1، 1 %2 مسجّل</translation>
    </message>
    <message>
        <source>%1, 1 %2 moved by the recorded 1 %3</source>
        <translation>%1، 1 %2 أزاحه 1 %3 المسجّل</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 days</source>
        <comment>%1, %2 day</comment>
        <translation>
            <numerusform>%1، %2 يوم</numerusform>
            <numerusform>%1، %2 يوم</numerusform>
            <numerusform>%1، %2 يوم</numerusform>
            <numerusform>%1، %2 يوم</numerusform>
            <numerusform>%1، %2 يوم</numerusform>
            <numerusform>%1، %2 يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n month starts recorded</source>
        <comment>%1, %n month start recorded</comment>
        <translation>
            <numerusform>%1، لا بدايات أشهر مسجّلة</numerusform>
            <numerusform>%1، بداية شهر واحدة مسجّلة</numerusform>
            <numerusform>%1، بدايتا شهرين مسجّلتان</numerusform>
            <numerusform>%1، %n بدايات أشهر مسجّلة</numerusform>
            <numerusform>%1، %n بداية شهر مسجّلة</numerusform>
            <numerusform>%1، %n بداية شهر مسجّلة</numerusform>
        </translation>
    </message>
    <message>
        <source>ICU has no calendar %1</source>
        <translation>لا يحوي ICU التقويم %1</translation>
    </message>
    <message>
        <source>ICU cannot convert the date: %1</source>
        <translation>لا يستطيع ICU تحويل التاريخ: %1</translation>
    </message>
</context>
<context>
    <name>HolyDays</name>
    <message>
        <source>Islamic New Year</source>
        <translation>رأس السنة الهجرية</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>عاشوراء</translation>
    </message>
    <message>
        <source>Isra and Mi'raj</source>
        <translation>الإسراء والمعراج</translation>
    </message>
    <message>
        <source>Mid-Sha'ban</source>
        <translation>ليلة النصف من شعبان</translation>
    </message>
    <message>
        <source>First day of Ramadan</source>
        <translation>أول أيام رمضان</translation>
    </message>
    <message>
        <source>Laylat al-Qadr (one of the odd nights)</source>
        <translation>ليلة القدر (إحدى الليالي الوتر)</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>عيد الفطر</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>يوم عرفة</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>عيد الأضحى</translation>
    </message>
</context>
<context>
    <name>LongText</name>
    <message>
        <source>[The rest is not shown: the text is too long to show whole.]</source>
        <translation>[لم يُعرض الباقي: النص أطول من أن يُعرض كاملًا.]</translation>
    </message>
    <message>
        <source>This text is too long to edit here; it is shown in part and kept unchanged.</source>
        <translation>هذا النص أطول من أن يُحرَّر هنا؛ يُعرض جزء منه ويُحفظ دون تغيير.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;جديد	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;فتح...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;حفظ	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;طباعة...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>م&amp;عاينة الطباعة</translation>
    </message>
    <message>
        <source>Print &amp;Month...</source>
        <translation>طباعة ال&amp;شهر...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>إعدا&amp;د الطباعة...</translation>
    </message>
    <message>
        <source>&amp;Export Reminders...</source>
        <translation>&amp;تصدير التذكيرات...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>ملف حديث</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>ت&amp;راجع	Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;قص	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;نسخ	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;لصق	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>إ&amp;ضافة</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>شريط الأ&amp;دوات</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>شريط ال&amp;حالة</translation>
    </message>
    <message>
        <source>All &amp;Reminders	Ctrl+R</source>
        <translation>&amp;كل التذكيرات	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Month	Ctrl+M</source>
        <translation>ال&amp;شهر	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Astronomical</source>
        <translation>&amp;فلكي</translation>
    </message>
    <message>
        <source>&amp;Umm al-Qura</source>
        <translation>&amp;أم القرى</translation>
    </message>
    <message>
        <source>&amp;Tabular (civil)</source>
        <translation>&amp;جدولي (مدني)</translation>
    </message>
    <message>
        <source>&amp;-2 days</source>
        <translation>&amp;-2 يوم</translation>
    </message>
    <message>
        <source>-&amp;1 day</source>
        <translation>-&amp;1 يوم</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;بلا تعديل</translation>
    </message>
    <message>
        <source>+1 &amp;day</source>
        <translation>+1 &amp;يوم</translation>
    </message>
    <message>
        <source>&amp;+2 days</source>
        <translation>&amp;+2 يوم</translation>
    </message>
    <message>
        <source>Audiable Alarm</source>
        <translation>منبّه مسموع</translation>
    </message>
    <message>
        <source>&amp;Islamic Holy Days</source>
        <translation>ال&amp;مناسبات الإسلامية</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>البدء عند تسجيل ال&amp;دخول</translation>
    </message>
    <message>
        <source>Hijri &amp;Calendar</source>
        <translation>التقويم ال&amp;هجري</translation>
    </message>
    <message>
        <source>Hijri Date &amp;Adjustment</source>
        <translation>&amp;تعديل التاريخ الهجري</translation>
    </message>
    <message>
        <source>&amp;About Zamanix...</source>
        <translation>&amp;عن Zamanix...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Back Up Reminders...</source>
        <translation>ن&amp;سخ التذكيرات احتياطيًا...</translation>
    </message>
    <message>
        <source>Res&amp;tore Reminders...</source>
        <translation>&amp;استعادة التذكيرات...</translation>
    </message>
    <message>
        <source>P&amp;ublish to Calendar Server</source>
        <translation>&amp;نشر إلى خادم التقويم</translation>
    </message>
    <message>
        <source>Calendar Se&amp;rver...</source>
        <translation>&amp;خادم التقويم...</translation>
    </message>
    <message>
        <source>&amp;Manual	F1</source>
        <translation>ال&amp;دليل	F1</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;اختصارات لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Hijri &amp;Month Starts...</source>
        <translation>&amp;بدايات الأشهر الهجرية...</translation>
    </message>
    <message>
        <source>Ask About the &amp;New Moon</source>
        <translation>ال&amp;سؤال عن الهلال</translation>
    </message>
    <message>
        <source>&amp;Western Digits</source>
        <translation>أرقام &amp;غربية</translation>
    </message>
</context>
<context>
    <name>MonthStarts</name>
    <message>
        <source>%1 is not a Hijri month; write YEAR/MONTH, for example 1448/9</source>
        <translation>%1 ليس شهرًا هجريًا؛ اكتب السنة/الشهر، مثل 1448/9</translation>
    </message>
    <message>
        <source>there is no Hijri year 0</source>
        <translation>لا توجد سنة هجرية 0</translation>
    </message>
    <message>
        <source>Hijri month %1 does not exist; months run from 1 to 12</source>
        <translation>الشهر الهجري %1 غير موجود؛ الأشهر من 1 إلى 12</translation>
    </message>
    <message>
        <source>%1 is not a date; write YYYY-MM-DD, for example 2027-02-07</source>
        <translation>%1 ليس تاريخًا؛ اكتب السنة-الشهر-اليوم، مثل 2027-02-07</translation>
    </message>
    <message>
        <source>%1: there is no month %2</source>
        <translation>%1: لا يوجد شهر %2</translation>
    </message>
    <message>
        <source>%1: %2 %3 has no day %4</source>
        <translation>%1: ليس في %2 %3 يوم %4</translation>
    </message>
    <message>
        <source>%1: a month start is recorded by its Gregorian date, and the Gregorian calendar begins on 15 October 1582</source>
        <translation>%1: تُسجَّل بداية الشهر بتاريخها الغريغوري، والتقويم الغريغوري يبدأ في 15 أكتوبر 1582</translation>
    </message>
    <message>
        <source>%1: the last supported year is %2</source>
        <translation>%1: آخر سنة مدعومة هي %2</translation>
    </message>
    <message>
        <source>%1 is recorded twice; the first record, %2, counts</source>
        <translation>سُجّل %1 مرتين؛ والمعتمد هو السجل الأول، %2</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>%n day</comment>
        <translation>
            <numerusform>%n يوم</numerusform>
            <numerusform>يوم واحد</numerusform>
            <numerusform>يومان</numerusform>
            <numerusform>%n أيام</numerusform>
            <numerusform>%n يومًا</numerusform>
            <numerusform>%n يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 أو %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, %5 would have %6, and a month has 29 or 30</source>
        <translation>لا يمكن أن يبدأ %1 في %2: فمع تسجيل بداية %3 في %4 يصير طول %5 %6، والشهر 29 يومًا أو 30</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, the %5 months from %6 to %7 would have %8, and %9 months have %10 to %11</source>
        <translation>لا يمكن أن يبدأ %1 في %2: فمع تسجيل بداية %3 في %4 يصير طول الأشهر (%5) من %6 إلى %7 %8، وطول %9 أشهر من %10 إلى %11 يومًا</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: under %3 that day is %4</source>
        <translation>لا يمكن أن يبدأ %1 في %2: فذلك اليوم وفق %3 هو %4</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 after its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>لا يمكن أن يبدأ %1 في %2: فذلك بعد %3 من يومه الأول وفق %4، %5، والبداية المسجّلة لا تبعد عنه أكثر من %6 يوم</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 before its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>لا يمكن أن يبدأ %1 في %2: فذلك قبل %3 من يومه الأول وفق %4، %5، والبداية المسجّلة لا تبعد عنه أكثر من %6 يوم</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it; to begin it on %2, record %3 anew first, beginning on %4</source>
        <translation>لا يوافق أيُّ يوم من %1 السجلاتِ المحيطة به؛ ولبدئه في %2 سجّل %3 من جديد أولًا ببداية في %4</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2; to begin it on %3, record %4 anew first, beginning on %5</source>
        <translation>وفق السجلات الحالية، يمكن أن يبدأ %1 في %2؛ ولبدئه في %3 سجّل %4 من جديد أولًا ببداية في %5</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it</source>
        <translation>لا يوافق أيُّ يوم من %1 السجلاتِ المحيطة به</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2</source>
        <translation>وفق السجلات الحالية، يمكن أن يبدأ %1 في %2</translation>
    </message>
    <message>
        <source>[%1] %2=%3 is ignored: %4</source>
        <translation>تم تجاهل [%1] %2=%3: %4</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>%1 is given another day on line %2</source>
        <translation>أُعطي %1 يومًا آخر في السطر %2</translation>
    </message>
    <message>
        <source>no month start in it; write one a line as YEAR/MONTH=YYYY-MM-DD under [HijriMonthStarts], for example 1448/9=2027-02-07</source>
        <translation>لا يحتوي على أي بداية شهر؛ اكتب بداية واحدة في كل سطر بالشكل السنة/الشهر=السنة-الشهر-اليوم تحت [HijriMonthStarts]، مثل 1448/9=2027-02-07</translation>
    </message>
    <message>
        <source>"%1" is no record; write YEAR/MONTH=YYYY-MM-DD, for example 1448/9=2027-02-07</source>
        <translation>«%1» ليس سجلًا؛ اكتب السنة/الشهر=السنة-الشهر-اليوم، مثل 1448/9=2027-02-07</translation>
    </message>
</context>
<context>
    <name>MonthText</name>
    <message>
        <source>%1: the night before %2, from sunset on %3</source>
        <translation>%1: ليلة %2، من غروب شمس %3</translation>
    </message>
    <message>
        <source>from sunset, the night of %1</source>
        <translation>من الغروب، ليلة %1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1: %2; nothing was printed to it.
Print to another file.</source>
        <translation>%1: %2؛ لم يُطبع فيه شيء.
اطبع إلى ملف آخر.</translation>
    </message>
    <message>
        <source>The printing module %1 could not be loaded (%2); nothing was printed.
Installing Zamanix again mends this.</source>
        <translation>تعذّر تحميل وحدة الطباعة %1 (%2)؛ لم يُطبع شيء.
تثبيت Zamanix من جديد يصلح ذلك.</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Usage:
  zamanix [FILE]
  zamanix --minimized
  zamanix -p FILE
  zamanix -pt FILE PRINTER
  zamanix --help | --version

Converts dates between the Hijri and the Christian calendar, shows today in
both, and keeps a reminder memo with an alarm for any day of either calendar.

Options:
  FILE              open FILE as the document; nothing is read from it
  --minimized       start with the window minimized, as at login; when
                    Zamanix runs already, do nothing
  -p FILE           open FILE, print the form on the default printer, exit
  -pt FILE PRINTER  the same on PRINTER
  -h, --help        show this help and exit
  --version         show the version and exit
Qt's standard options, such as -platform NAME and -style NAME, are accepted.

Zamanix runs once per desktop session: while it runs, a start without -p or
-pt shows its window (and opens FILE there) and ends.

Reminders and settings are kept in $XDG_CONFIG_HOME/zamanix.INI (by default
~/.config/zamanix.INI). See zamanix(1).
</source>
        <translation>الاستخدام:
  zamanix [ملف]
  zamanix --minimized
  zamanix -p ملف
  zamanix -pt ملف طابعة
  zamanix --help | --version

يحوّل التواريخ بين التقويمين الهجري والميلادي، ويعرض تاريخ اليوم في كليهما،
ويحفظ مذكرة تذكير مع منبّه لأي يوم من أيام أيٍّ من التقويمين.

الخيارات:
  ملف               يفتح الملف كمستند؛ ولا يُقرأ منه شيء
  --minimized       يبدأ والنافذة مصغّرة، كما عند تسجيل الدخول؛ وإن كان
                    Zamanix يعمل من قبل فلا يفعل شيئًا
  -p ملف            يفتح الملف ويطبع النموذج على الطابعة الافتراضية ثم يخرج
  -pt ملف طابعة     الأمر نفسه على الطابعة المذكورة
  -h, --help        يعرض هذه المساعدة ثم يخرج
  --version         يعرض رقم الإصدار ثم يخرج
تُقبل خيارات Qt القياسية، مثل -platform اسم و -style اسم.

يعمل Zamanix مرة واحدة في كل جلسة سطح مكتب: ما دام يعمل، فإن تشغيله دون -p
أو -pt يُظهر نافذته (ويفتح الملف فيها) ثم ينتهي.

تُحفظ التذكيرات والإعدادات في $XDG_CONFIG_HOME/zamanix.INI (وافتراضيًا في
~/.config/zamanix.INI). راجع zamanix(1).
</translation>
    </message>
    <message>
        <source>zamanix: cannot write the answer: %1</source>
        <translation>zamanix: تعذّرت كتابة الإجابة: %1</translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message>
        <source>%1 is not a calendar: give the URL of a calendar, or of one that does not exist yet to have it created</source>
        <translation>%1 ليس تقويمًا: أعطِ عنوان URL لتقويم، أو لتقويم غير موجود بعد ليُنشأ</translation>
    </message>
    <message>
        <source>the server %1 asks for a user name and password (401)</source>
        <translation>يطلب الخادم %1 اسم مستخدم وكلمة مرور (401)</translation>
    </message>
    <message>
        <source>the server %1 refused the user name %2 or its password (401)</source>
        <translation>رفض الخادم %1 اسم المستخدم %2 أو كلمة مروره (401)</translation>
    </message>
    <message>
        <source>the server %1 answered %2 %3 to %4</source>
        <translation>أجاب الخادم %1 بـ %2 %3 على %4</translation>
    </message>
    <message>
        <source>the certificate of %1 could not be verified: %2</source>
        <translation>تعذّر التحقق من شهادة %1: %2</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation>لم يُجب %1 خلال %2 ثانية</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>يتعذّر الوصول إلى %1: %2</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, %4 unchanged</source>
        <translation>أُضيف %1، وتغيّر %2، وأُزيل %3، وبقي %4 دون تغيير</translation>
    </message>
    <message>
        <source>%1, %2 changed elsewhere and kept</source>
        <translation>%1، و%2 تغيّر في مكان آخر فأُبقي</translation>
    </message>
    <message>
        <source>%1, %2 left as another program changed them</source>
        <translation>%1، و%2 تُرك كما غيّره برنامج آخر</translation>
    </message>
    <message>
        <source>calendar created; %1</source>
        <translation>أُنشئ التقويم؛ %1</translation>
    </message>
    <message>
        <source>"%1" is not the URL of a calendar: write https:// (or http://), the server's name and the calendar's path, such as https://dav.example.org/anna/zamanix/</source>
        <translation>"%1" ليس عنوان URL لتقويم: اكتب https://‎ (أو http://‎) واسم الخادم ومسار التقويم، مثل https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>the keyring did not answer within %1 seconds</source>
        <translation>لم تُجب حلقة المفاتيح خلال %1 ثانية</translation>
    </message>
    <message>
        <source>Publishing the reminders: looking at the calendar...</source>
        <translation>نشر التذكيرات: فحص التقويم...</translation>
    </message>
    <message>
        <source>Publishing the reminders: creating the calendar...</source>
        <translation>نشر التذكيرات: إنشاء التقويم...</translation>
    </message>
    <message>
        <source>Publishing the reminders: reading the calendar's events...</source>
        <translation>نشر التذكيرات: قراءة أحداث التقويم...</translation>
    </message>
    <message>
        <source>Publishing the reminders: %1 of %2 changes written...</source>
        <translation>نشر التذكيرات: كُتب %1 من %2 تغييرات...</translation>
    </message>
    <message>
        <source>Publishing the reminders: waiting for the keyring to give the password...</source>
        <translation>نشر التذكيرات: انتظار حلقة المفاتيح لتعطي كلمة المرور...</translation>
    </message>
    <message>
        <source>Publishing failed at %1: %2. Zamanix tries again at %3.</source>
        <translation>فشل النشر في %1: %2. سيحاول Zamanix مجددًا في %3.</translation>
    </message>
    <message>
        <source>Reminders published at %1 to a new calendar: %2 added.</source>
        <translation>نُشرت التذكيرات في %1 إلى تقويم جديد: أُضيف %2.</translation>
    </message>
    <message>
        <source>Reminders published at %1: %2 added, %3 changed, %4 removed, %5 unchanged.</source>
        <translation>نُشرت التذكيرات في %1: أُضيف %2، وتغيّر %3، وأُزيل %4، وبقي %5 دون تغيير.</translation>
    </message>
    <message>
        <source>Events kept as another program changed them: %1.</source>
        <translation>أحداث أُبقيت كما غيّرها برنامج آخر: %1.</translation>
    </message>
    <message>
        <source>Events left as another program wrote them meanwhile: %1.</source>
        <translation>أحداث تُركت كما كتبها برنامج آخر في الأثناء: %1.</translation>
    </message>
    <message>
        <source>Zamanix could not publish the reminders to %1: %2.

It tries again by itself, after longer pauses each time, and the status bar tells how it goes; Options &gt; Calendar Server... changes the server's settings.</source>
        <translation>تعذّر على Zamanix نشر التذكيرات إلى %1: %2.

سيحاول مجددًا من تلقاء نفسه، بفترات أطول في كل مرة، وسيخبرك شريط الحالة بما يجري؛ تغيّر خيارات &gt; خادم التقويم... إعدادات الخادم.</translation>
    </message>
    <message>
        <source>no password is kept for "%1" at %2; give it in Options &gt; Calendar Server...</source>
        <translation>لا توجد كلمة مرور محفوظة لـ "%1" في %2؛ أعطها في خيارات &gt; خادم التقويم...</translation>
    </message>
    <message>
        <source>the publishing module %1 could not be loaded (%2); installing Zamanix again mends this</source>
        <translation>تعذّر تحميل وحدة النشر %1 (%2)؛ تثبيت Zamanix من جديد يصلح ذلك</translation>
    </message>
</context>
<context>
    <name>ReminderBackup</name>
    <message>
        <source>Zamanix backups (*.INI *.ini);;All Files (*)</source>
        <translation>نسخ Zamanix الاحتياطية (*.INI *.ini);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Back Up Reminders</source>
        <translation>نسخ التذكيرات احتياطيًا</translation>
    </message>
    <message>
        <source>The reminders could not be backed up.

%1</source>
        <translation>تعذّر النسخ الاحتياطي للتذكيرات.

%1</translation>
    </message>
    <message>
        <source>Reminders and settings backed up to %1 (reminders: %2)</source>
        <translation>نُسخت التذكيرات والإعدادات احتياطيًا إلى %1 (التذكيرات: %2)</translation>
    </message>
    <message>
        <source>Restore Reminders</source>
        <translation>استعادة التذكيرات</translation>
    </message>
    <message>
        <source>Replace your reminders and settings with those of the backup %1?

Reminders in the backup: %2. Reminders now: %3.

The profile as it is now is kept in %4; restoring from that file brings it back.</source>
        <translation>هل تريد استبدال تذكيراتك وإعداداتك بتلك التي في النسخة الاحتياطية %1؟

التذكيرات في النسخة الاحتياطية: %2. التذكيرات الآن: %3.

يُحفظ ملف التعريف بحاله الآن في %4؛ والاستعادة من ذلك الملف تعيده.</translation>
    </message>
    <message>
        <source>Reminders restored from %1 (reminders now: %2); the profile as it was is kept in %3</source>
        <translation>استُعيدت التذكيرات من %1 (التذكيرات الآن: %2)؛ ويُحفظ ملف التعريف كما كان في %3</translation>
    </message>
    <message>
        <source>The reminders could not be restored; they are as they were.

%1</source>
        <translation>تعذّرت استعادة التذكيرات؛ بقيت كما كانت.

%1</translation>
    </message>
</context>
<context>
    <name>ReminderExport</name>
    <message>
        <source>Export Reminders</source>
        <translation>تصدير التذكيرات</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All Files (*)</source>
        <translation>ملفات iCalendar (*.ics);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>The reminders could not be exported.

%1</source>
        <translation>تعذّر تصدير التذكيرات.

%1</translation>
    </message>
    <message>
        <source>No reminder falls due in the next %1 years; %2 holds no events</source>
        <translation>لا يحين أي تذكير في السنوات الـ%1 القادمة؛ لا يحوي %2 أي أحداث</translation>
    </message>
    <message>
        <source>1 event of the next %1 years written to %2</source>
        <translation>كُتب حدث واحد من السنوات الـ%1 القادمة في %2</translation>
    </message>
    <message>
        <source>%1 events of the next %2 years written to %3</source>
        <translation>كُتبت %1 أحداث من السنوات الـ%2 القادمة في %3</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>the astronomical Hijri calendar follows computed new moons, which no RSCALE calendar describes</source>
        <translation>التقويم الهجري الفلكي يتبع أهلّة محسوبة، ولا يصفها أي تقويم RSCALE</translation>
    </message>
    <message>
        <source>the Hijri calendar is adjusted (%1), which no RSCALE calendar describes</source>
        <translation>التقويم الهجري مُزاح (%1)، ولا يصف ذلك أي تقويم RSCALE</translation>
    </message>
    <message>
        <source>the Hijri calendar keeps a recorded month start (%1 on %2), which no RSCALE calendar describes</source>
        <translation>التقويم الهجري يحفظ بداية شهر مسجّلة (%1 في %2)، ولا يصف ذلك أي تقويم RSCALE</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 أو %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>؛ هل تقصد %1؟</translation>
    </message>
    <message>
        <source>; the Hijri months are %1, the Christian ones January to December</source>
        <translation>؛ الأشهر الهجرية هي %1، والميلادية من January إلى December</translation>
    </message>
    <message>
        <source>the key has no "/" between the month and the day</source>
        <translation>لا يحتوي المفتاح على «/» بين الشهر واليوم</translation>
    </message>
    <message>
        <source>"%1" is neither a Hijri nor a Christian month</source>
        <translation>«%1» ليس شهرًا هجريًا ولا ميلاديًا</translation>
    </message>
    <message>
        <source>the key has no day after the "/"</source>
        <translation>لا يحتوي المفتاح على يوم بعد «/»</translation>
    </message>
    <message>
        <source>"%1" is not a day: write 1 to 31, or 01 to 09</source>
        <translation>«%1» ليس يومًا: اكتب من 1 إلى 31، أو من 01 إلى 09</translation>
    </message>
    <message>
        <source>%1 never has more than %2 days</source>
        <translation>لا يزيد %1 أبدًا على %2 يومًا</translation>
    </message>
    <message>
        <source>the memo is empty, and an empty memo never rings</source>
        <translation>المذكرة فارغة، والمذكرة الفارغة لا ترنّ أبدًا</translation>
    </message>
    <message>
        <source>its alarm time %1 is never reached</source>
        <translation>وقت منبّهه %1 لا يحين أبدًا</translation>
    </message>
    <message>
        <source>%1 has no day %2 in the next %3 years under the %4 calendar</source>
        <translation>ليس في %1 يوم %2 خلال السنوات القادمة (%3) وفق تقويم %4</translation>
    </message>
    <message>
        <source>In %1 days, %2 / %3: %4</source>
        <translation type="vanished">بعد %1 أيام، %2 / %3: %4</translation>
    </message>
    <message>
        <source>Tomorrow, %1 / %2: %3</source>
        <translation>غدًا، %1 / %2: %3</translation>
    </message>
    <message>
        <source>%1 is neither a weekday nor a month and a day: write Friday, Hijri/13, Ramadhan/27 or Ramadhan/27/1448</source>
        <translation>%1 ليس يومًا من الأسبوع ولا شهرًا ويومًا: اكتب Friday أو Hijri/13 أو Ramadhan/27 أو Ramadhan/27/1448</translation>
    </message>
    <message>
        <source>%1 is neither a Hijri nor a Christian month</source>
        <translation>%1 ليس شهرًا هجريًا ولا ميلاديًا</translation>
    </message>
    <message>
        <source>%1 is not a day: write 1 to 31, or 01 to 09</source>
        <translation>%1 ليس يومًا: اكتب من 1 إلى 31، أو من 01 إلى 09</translation>
    </message>
    <message>
        <source>a Hijri month never has more than 30 days</source>
        <translation>لا يزيد الشهر الهجري أبدًا على 30 يومًا</translation>
    </message>
    <message>
        <source>%1 is not a year: write it as 1448, or as -5 for a year before 1</source>
        <translation>%1 ليست سنة: اكتبها مثل 1448، أو -5 لسنة قبل 1</translation>
    </message>
    <message>
        <source>the year %1 lies outside the supported years, -4000 to 3000</source>
        <translation>السنة %1 خارج السنوات المدعومة، من -4000 إلى 3000</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>ليس في %1 %2 إلا %3 يومًا</translation>
    </message>
    <message>
        <source>%1 October 1582 never was: the Gregorian calendar went from 4 to 15 October 1582</source>
        <translation>لم يوجد %1 أكتوبر 1582 قط: انتقل التقويم الغريغوري من 4 إلى 15 أكتوبر 1582</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days under the %4 calendar</source>
        <translation>ليس لـ %1 %2 إلا %3 يومًا وفق تقويم %4</translation>
    </message>
    <message>
        <source>%1 lies outside the days Zamanix supports, 1 January -4000 to 31 December 3000</source>
        <translation>%1 خارج الأيام التي يدعمها Zamanix، من 1 يناير -4000 إلى 31 ديسمبر 3000</translation>
    </message>
    <message>
        <source>Next on %1 / %2</source>
        <translation>التالي في %1 / %2</translation>
    </message>
    <message>
        <source>Next on %1 / %2 (%3)</source>
        <translation>التالي في %1 / %2 (%3)</translation>
    </message>
    <message>
        <source>%1 / %2: this day has gone by, so it will not ring</source>
        <translation>%1 / %2: مضى هذا اليوم، فلن يرنّ</translation>
    </message>
    <message>
        <source>It never falls due: %1.</source>
        <translation>لا يحين أبدًا: %1.</translation>
    </message>
    <message>
        <source>Write a memo: an empty memo never rings.</source>
        <translation>اكتب مذكرة: المذكرة الفارغة لا ترنّ أبدًا.</translation>
    </message>
    <message>
        <source>This reminder cannot be kept: %1.</source>
        <translation>لا يمكن حفظ هذا التذكير: %1.</translation>
    </message>
    <message>
        <source>it falls on no day before 31 December 3000, the last day Zamanix supports</source>
        <translation>لا يقع في أي يوم قبل 31 ديسمبر 3000، آخر يوم يدعمه Zamanix</translation>
    </message>
    <message>
        <source>only in leap years</source>
        <translation>في السنوات الكبيسة فقط</translation>
    </message>
    <message>
        <source>only in the years whose %1 has 30 days</source>
        <translation>فقط في السنوات التي يكون فيها %1 ثلاثين يومًا</translation>
    </message>
    <message>
        <source>on the 29th of the months that have 29 days</source>
        <translation>في اليوم 29 من الأشهر ذات 29 يومًا</translation>
    </message>
    <message>
        <source>on the last day of the months that have fewer than %1 days</source>
        <translation>في اليوم الأخير من الأشهر التي تقل عن %1 يومًا</translation>
    </message>
    <message>
        <source>%1, %2 / %3: %4</source>
        <translation>%1، %2 / %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>In %n days</source>
        <comment>In %n day</comment>
        <translation>
            <numerusform>اليوم</numerusform>
            <numerusform>بعد يوم واحد</numerusform>
            <numerusform>بعد يومين</numerusform>
            <numerusform>بعد %n أيام</numerusform>
            <numerusform>بعد %n يومًا</numerusform>
            <numerusform>بعد %n يوم</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersProgram</name>
    <message>
        <source>the keyring holds no password for "%1" at %2; give it with --password-file FILE (- reads standard input)</source>
        <translation>لا تحوي حلقة المفاتيح كلمة مرور لـ "%1" على %2؛ أعطها بـ --password-file ملف (- يقرأ الدخل القياسي)</translation>
    </message>
    <message>
        <source>no keyring answered to give the password for "%1" at %2 (%3); give it with --password-file FILE (- reads standard input)</source>
        <translation>لم تُجب أي حلقة مفاتيح لإعطاء كلمة مرور "%1" على %2 (%3)؛ أعطها بـ --password-file ملف (- يقرأ الدخل القياسي)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>إنه فارغ</translation>
    </message>
    <message>
        <source>cannot read the password from standard input: %1</source>
        <translation>تعذّرت قراءة كلمة المرور من الدخل القياسي: %1</translation>
    </message>
    <message>
        <source>cannot read the password from %1: %2</source>
        <translation>تعذّرت قراءة كلمة المرور من %1: %2</translation>
    </message>
    <message>
        <source>no calendar server is set up: give --url URL (and --user NAME), or keep them in the profile as URL= and User= under [CalendarServer]</source>
        <translation>لم يُضبط أي خادم تقويم: أعطِ --url عنوان (و --user اسم)، أو احفظهما في ملف الإعدادات بالشكل URL= و User= تحت [CalendarServer]</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2</source>
        <translation>تعذّر النشر إلى %1: %2</translation>
    </message>
    <message>
        <source>published to %1: %2</source>
        <translation>نُشر إلى %1: %2</translation>
    </message>
    <message>
        <source>Usage:
  zamanix-reminders [OPTIONS] list [--format text|tsv]
  zamanix-reminders [OPTIONS] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPTIONS] add KEY MEMO [--alarm HH:MM] [--every MINUTES]
  zamanix-reminders [OPTIONS] remove KEY
  zamanix-reminders [OPTIONS] export [--years N] [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] export --rscale [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] publish [--url URL] [--user NAME]
                    [--password-file FILE] [--years N]
where OPTIONS are [--profile FILE] [--calendar astronomical|umalqura|civil]
[--adjust N].

Lists, adds and removes the reminders that the Zamanix desktop program keeps,
exports them as an iCalendar file for other calendar programs, and publishes
them to a CalDAV calendar that phones and other calendar programs show.

A KEY is a month name of either calendar, "/" and a day, as the form builds
it: Ramadhan/27, March/06, Rabi'ul Awwal/5. add and remove also take the
common spellings of the Hijri months (Ramadan, Dhul Hijjah, Rabi al-Awwal,
Jumada al-Ula, ...) and keep the month as the program spells it. A reminder
comes back every year of its calendar; a day 1 to 9 falls due written as 5
or as 05.

Commands:
  list                every reminder, by the day it falls due next; those
                      that never fall due (April/31, a misspelt month) last,
                      with the reason
  upcoming            the reminders that fall due from today through N days
                      from today (--days, default 30), one line for each day
  add KEY MEMO        keeps MEMO under KEY, with its alarm: --alarm HH:MM
                      (default 08:00) and --every MINUTES, 0 to 720, until
                      it reminds again (default 60); a reminder that exists
                      keeps the alarm not given; writes exactly what the
                      form's Add writes
  remove KEY          forgets the reminder and its alarm, as the form's
                      Delete does
  export              writes every day on which a reminder falls due in the
                      next N years (--years, default 5, from --from DATE,
                      YEAR-MONTH-DAY, default today) as iCalendar events at
                      the alarm time in your time zone, to FILE (-o; a link's
                      target, a pipe or a terminal as a stream; never the
                      profile or its files) or to standard output; with
                      --rscale, one event per reminder that repeats every
                      year of its calendar (RFC 7529), for the programs
                      that know the Hijri calendars of ICU (Umm al-Qura
                      and tabular, without adjustment or recorded month
                      starts)
  publish             makes the CalDAV calendar at URL (--url, default: the
                      profile's) hold the events that export --years N
                      writes (--years, default: the profile's, else 2):
                      writes only what changed, and never touches another
                      program's objects. The password is the first line of
                      --password-file FILE (- reads standard input), else
                      the keyring's. Exit status 1 when the server or the
                      network failed

Options:
  --profile FILE      the profile to use (default: the desktop program's,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar RULE     the Hijri calendar: astronomical, umalqura or civil
                      (default: the one chosen in the desktop program)
  --adjust N          move the Hijri calendar N days, -2 to 2 (default: as
                      chosen in the desktop program)
  --format text|tsv   aligned columns (default), or tab-separated values
                      with a header line
  -h, --help          show this help
  --version           show the version
A MEMO that begins with "-" follows "--".

The Hijri calendar keeps the month starts recorded in the profile (section
[HijriMonthStarts], "1448/9=2027-02-07"); a record it cannot keep is left
out, with a warning on standard error.

Errors (a key whose month or day is not valid, a profile that cannot be read
or written, bad options, no password for publish) are reported as
"zamanix-reminders: &lt;what is wrong&gt;" on standard error with exit status 2,
and nothing is written.
</source>
        <translation type="vanished">الاستخدام:
  zamanix-reminders [خيارات] list [--format text|tsv]
  zamanix-reminders [خيارات] upcoming [--days ن] [--format text|tsv]
  zamanix-reminders [خيارات] add مفتاح مذكرة [--alarm سس:دد] [--every دقائق]
  zamanix-reminders [خيارات] remove مفتاح
  zamanix-reminders [خيارات] export [--years ن] [--from تاريخ] [-o ملف]
  zamanix-reminders [خيارات] export --rscale [--from تاريخ] [-o ملف]
  zamanix-reminders [خيارات] publish [--url عنوان] [--user اسم]
                    [--password-file ملف] [--years ن]
حيث «خيارات» هي [--profile ملف] [--calendar astronomical|umalqura|civil]
[--adjust ن].

يعرض التذكيرات التي يحفظها برنامج Zamanix لسطح المكتب ويضيفها ويزيلها،
ويصدّرها في ملف iCalendar لبرامج التقويم الأخرى، وينشرها في تقويم CalDAV
تعرضه الهواتف وبرامج التقويم الأخرى.

المفتاح اسم شهر من أي من التقويمين، ثم "/" ثم يوم، كما يبنيه النموذج:
Ramadhan/27، March/06، Rabi'ul Awwal/5. ويقبل الأمران add و remove أيضًا
الكتابات الشائعة لأسماء الأشهر الهجرية (Ramadan، Dhul Hijjah،
Rabi al-Awwal، Jumada al-Ula، ...) ويحفظان الشهر كما يكتبه البرنامج. يعود
التذكير كل سنة من سنوات تقويمه؛ واليوم من 1 إلى 9 يحين موعده سواء كُتب 5
أو 05.

الأوامر:
  list                كل التذكيرات، حسب موعدها التالي؛ والتي لا يحين موعدها
                      أبدًا (April/31، أو شهر مكتوب خطأً) في الآخر مع السبب
  upcoming            التذكيرات التي يحين موعدها من اليوم حتى ن يومًا بعده
                      (--days، الافتراضي 30)، سطر لكل يوم
  add مفتاح مذكرة     يحفظ المذكرة تحت المفتاح مع منبّهها: --alarm سس:دد
                      (الافتراضي 08:00) و --every دقائق، من 0 إلى 720، حتى
                      يذكّر مرة أخرى (الافتراضي 60)؛ والتذكير الموجود يحتفظ
                      بما لم يُعطَ من منبّهه؛ ويكتب تمامًا ما يكتبه زر إضافة
                      في النموذج
  remove مفتاح        ينسى التذكير ومنبّهه، كما يفعل زر حذف في النموذج
  export              يكتب كل يوم يحين فيه تذكير خلال السنوات ن القادمة
                      (--years، الافتراضي 5، بدءًا من --from تاريخ، بالشكل
                      سنة-شهر-يوم، والافتراضي اليوم) أحداثَ iCalendar في
                      وقت المنبّه بمنطقتك الزمنية، إلى الملف (-o؛ ويُكتب
                      هدف الرابط أو الأنبوب أو الطرفية كتدفق؛ ولا يُكتب أبدًا
                      ملف الإعدادات أو ملفاته) أو إلى الخرج القياسي
                      ومع --rscale: حدث واحد لكل تذكير يتكرر كل سنة من سنوات
                      تقويمه (RFC 7529)، للبرامج التي تعرف تقويمَي ICU الهجريين
                      (أم القرى والجدولي، بلا إزاحة ولا بدايات أشهر مسجّلة)
  publish             يجعل تقويم CalDAV عند العنوان (--url، الافتراضي: ما في
                      ملف الإعدادات) يحوي الأحداث التي يكتبها export --years ن
                      (--years، الافتراضي: ما في ملف الإعدادات، وإلا 2): لا
                      يكتب إلا ما تغيّر، ولا يمسّ أبدًا كائنات برنامج آخر. كلمة
                      المرور هي السطر الأول من --password-file ملف (- يقرأ الدخل
                      القياسي)، وإلا كلمة المرور المحفوظة في حلقة المفاتيح.
                      حالة الخروج 1 إذا فشل الخادم أو الشبكة

الخيارات:
  --profile ملف       ملف الإعدادات المستخدم (الافتراضي: ملف برنامج سطح
                      المكتب، $XDG_CONFIG_HOME/zamanix.INI)
  --calendar قاعدة    التقويم الهجري: astronomical أو umalqura أو civil
                      (الافتراضي: المختار في برنامج سطح المكتب)
  --adjust ن          يزيح التقويم الهجري ن يومًا، من -2 إلى 2 (الافتراضي:
                      كما اختير في برنامج سطح المكتب)
  --format text|tsv   أعمدة مصفوفة (الافتراضي)، أو قيم مفصولة بمسافات جدولة
                      مع سطر عناوين
  -h, --help          يعرض هذه المساعدة
  --version           يعرض رقم الإصدار
المذكرة التي تبدأ بـ "-" تُكتب بعد "--".

يتّبع التقويم الهجري بدايات الأشهر المسجّلة في ملف الإعدادات (القسم
[HijriMonthStarts]، "1448/9=2027-02-07")؛ والسجل الذي لا يمكن الاحتفاظ به
يُترك، مع تحذير على الخطأ القياسي.

الأخطاء (مفتاح شهره أو يومه غير صالح، أو ملف إعدادات تتعذّر قراءته أو كتابته،
أو خيارات خاطئة، أو غياب كلمة المرور للنشر) يُبلَّغ عنها بالشكل
"zamanix-reminders: &lt;ما الخطأ&gt;" على الخطأ القياسي مع حالة الخروج 2، ولا
يُكتب شيء.
</translation>
    </message>
    <message>
        <source>%1 is not a number of seconds</source>
        <translation>%1 ليس عددًا من الثواني</translation>
    </message>
    <message>
        <source>the %1 calendar cannot be computed: %2</source>
        <translation>لا يمكن حساب التقويم %1: %2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: تحذير: %2</translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>تعذّرت إضافة %1: %2</translation>
    </message>
    <message>
        <source>the memo is empty; an empty memo never rings (use remove to delete a reminder)</source>
        <translation>المذكرة فارغة؛ والمذكرة الفارغة لا ترنّ أبدًا (استخدم remove لحذف تذكير)</translation>
    </message>
    <message>
        <source>there is no reminder %1 in %2</source>
        <translation>لا يوجد تذكير %1 في %2</translation>
    </message>
    <message>
        <source>--years does not apply to export --rscale: its events repeat without end</source>
        <translation>لا ينطبق --years على export --rscale: أحداثه تتكرر بلا نهاية</translation>
    </message>
    <message>
        <source>cannot export repeating events: %1; export without --rscale lists every day a reminder falls due instead</source>
        <translation>تعذّر تصدير أحداث متكررة: %1؛ أما export بلا --rscale فيسرد كل يوم يحين فيه تذكير</translation>
    </message>
    <message>
        <source>--from %1</source>
        <translation>--from %1</translation>
    </message>
    <message>
        <source>--from %1: %2</source>
        <translation>--from %1: %2</translation>
    </message>
    <message>
        <source>%1: %2
Try '%3 --help' for more information.</source>
        <translation>%1: %2
جرّب '%3 --help' لمزيد من المعلومات.</translation>
    </message>
    <message>
        <source>could not write the output</source>
        <translation>تعذّرت كتابة المخرجات</translation>
    </message>
    <message>
        <source>--profile needs a file name</source>
        <translation>يحتاج --profile إلى اسم ملف</translation>
    </message>
    <message>
        <source>unknown calendar %1; use astronomical, umalqura or civil</source>
        <translation>تقويم غير معروف %1؛ استخدم astronomical أو umalqura أو civil</translation>
    </message>
    <message>
        <source>adjustment %1 is not a whole number of days from -2 to 2</source>
        <translation>التعديل %1 ليس عددًا صحيحًا من الأيام من -2 إلى 2</translation>
    </message>
    <message>
        <source>unknown format %1; use text or tsv</source>
        <translation>تنسيق غير معروف %1؛ استخدم text أو tsv</translation>
    </message>
    <message>
        <source>--days takes a number of days from 0 to 36525, not %1</source>
        <translation>يأخذ --days عدد أيام من 0 إلى 36525، لا %1</translation>
    </message>
    <message>
        <source>--alarm takes a time from 00:00 to 23:59, not %1</source>
        <translation>يأخذ --alarm وقتًا من 00:00 إلى 23:59، لا %1</translation>
    </message>
    <message>
        <source>--every takes a number of minutes from 0 to %1, not %2</source>
        <translation>يأخذ --every عدد دقائق من 0 إلى %1، لا %2</translation>
    </message>
    <message>
        <source>--years takes a number of years from 1 to 100, not %1</source>
        <translation>يأخذ --years عدد سنوات من 1 إلى 100، لا %1</translation>
    </message>
    <message>
        <source>--password-file needs a file name, or - for standard input</source>
        <translation>يحتاج --password-file إلى اسم ملف، أو - للدخل القياسي</translation>
    </message>
    <message>
        <source>unknown command %1; use list, upcoming, add, remove, export or publish</source>
        <translation>أمر غير معروف %1؛ استخدم list أو upcoming أو add أو remove أو export أو publish</translation>
    </message>
    <message>
        <source>no command given; use list, upcoming, add, remove, export or publish</source>
        <translation>لم يُعطَ أي أمر؛ استخدم list أو upcoming أو add أو remove أو export أو publish</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 لا يأخذ وسائط</translation>
    </message>
    <message>
        <source>%1 takes one KEY</source>
        <translation>%1 يأخذ مفتاحًا واحدًا</translation>
    </message>
    <message>
        <source>%1 takes a KEY and a MEMO</source>
        <translation>%1 يأخذ مفتاحًا ومذكرة</translation>
    </message>
    <message>
        <source>option %1 does not apply to this command</source>
        <translation>الخيار %1 لا ينطبق على هذا الأمر</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>خيار غير معروف %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>الخيار %1 لا يأخذ قيمة</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>الخيار %1 يحتاج إلى قيمة</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by: the reminder is kept, but it will not ring</source>
        <translation>حلّ %1 في %2، وقد مضى: حُفظ التذكير لكنه لن يرنّ</translation>
    </message>
    <message>
        <source>%1: %2; the reminder is kept, and rings only if that month gets its 30th day</source>
        <translation>%1: %2؛ حُفظ التذكير، ولا يرنّ إلا إذا صار لذلك الشهر يومه الثلاثون</translation>
    </message>
    <message>
        <source>Usage:
  zamanix-reminders [OPTIONS] list [--format text|tsv]
  zamanix-reminders [OPTIONS] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPTIONS] add KEY MEMO [--alarm HH:MM] [--every MINUTES]
                    [--notice DAYS]
  zamanix-reminders [OPTIONS] remove KEY
  zamanix-reminders [OPTIONS] export [--years N] [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] export --rscale [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] publish [--url URL] [--user NAME]
                    [--password-file FILE] [--years N]
where OPTIONS are [--profile FILE] [--calendar astronomical|umalqura|civil]
[--adjust N].

Lists, adds and removes the reminders that the Zamanix desktop program keeps,
exports them as an iCalendar file for other calendar programs, and publishes
them to a CalDAV calendar that phones and other calendar programs show.

A KEY says when a reminder falls due:
  Ramadhan/27, March/06      every year, on a month and day of either
                             calendar, as the form builds it
  Ramadhan/27/1448,          once, on a date of either calendar
  March/06/2027
  Hijri/13, Christian/01     every month of that calendar, on a day; a month
                             without the day has it on its last day
  Friday                     every week, on the weekday (in English)
add and remove also take the common spellings of the Hijri months
(Ramadan, Dhul Hijjah, Rabi al-Awwal, Jumada al-Ula, ...) and keep the month
as the program spells it. A day 1 to 9 falls due written as 5 or as 05.

Commands:
  list                every reminder and its kind, by the day it falls due
                      next; once reminders whose day has gone by after
                      them, those that never fall due (April/31, a misspelt
                      month) last, with the reason
  upcoming            the reminders that fall due from today through N days
                      from today (--days, default 30), one line for each day
  add KEY MEMO        keeps MEMO under KEY, with its alarm: --alarm HH:MM
                      (default 08:00) and --every MINUTES, 0 to 720, until
                      it reminds again (default 60), and --notice DAYS, 0 to
                      30, to be reminded that many days before each day it
                      falls due too (0: no notice); a reminder that exists
                      keeps what is not given; for a yearly KEY writes
                      exactly what the form's Add writes
  remove KEY          forgets the reminder, its alarm and its notice, as the
                      form's Delete does
  export              writes every day on which a reminder falls due in the
                      next N years (--years, default 5, from --from DATE,
                      YEAR-MONTH-DAY, default today) as iCalendar events at
                      the alarm time in your time zone, to FILE (-o; a link's
                      target, a pipe or a terminal as a stream; never the
                      profile or its files) or to standard output; with
                      --rscale, one event per reminder that repeats every
                      year of its calendar (RFC 7529), for the programs
                      that know the Hijri calendars of ICU (Umm al-Qura
                      and tabular, without adjustment or recorded month
                      starts)
  publish             makes the CalDAV calendar at URL (--url, default: the
                      profile's) hold the events that export --years N
                      writes (--years, default: the profile's, else 2):
                      writes only what changed, and never touches another
                      program's objects. The password is the first line of
                      --password-file FILE (- reads standard input), else
                      the keyring's. Exit status 1 when the server or the
                      network failed

Options:
  --profile FILE      the profile to use (default: the desktop program's,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar RULE     the Hijri calendar: astronomical, umalqura or civil
                      (default: the one chosen in the desktop program)
  --adjust N          move the Hijri calendar N days, -2 to 2 (default: as
                      chosen in the desktop program)
  --format text|tsv   aligned columns (default), or tab-separated values
                      with a header line
  -h, --help          show this help
  --version           show the version
A MEMO that begins with "-" follows "--".

The Hijri calendar keeps the month starts recorded in the profile (section
[HijriMonthStarts], "1448/9=2027-02-07"); a record it cannot keep is left
out, with a warning on standard error.

Errors (a key whose month, day, year or weekday is not valid, a date outside
the supported years, a profile that cannot be read or written, bad options,
no password for publish) are reported as
"zamanix-reminders: &lt;what is wrong&gt;" on standard error with exit status 2,
and nothing is written.
</source>
        <translation>الاستخدام:
  zamanix-reminders [خيارات] list [--format text|tsv]
  zamanix-reminders [خيارات] upcoming [--days ن] [--format text|tsv]
  zamanix-reminders [خيارات] add مفتاح مذكرة [--alarm سس:دد] [--every دقائق]
                    [--notice أيام]
  zamanix-reminders [خيارات] remove مفتاح
  zamanix-reminders [خيارات] export [--years ن] [--from تاريخ] [-o ملف]
  zamanix-reminders [خيارات] export --rscale [--from تاريخ] [-o ملف]
  zamanix-reminders [خيارات] publish [--url عنوان] [--user اسم]
                    [--password-file ملف] [--years ن]
حيث «خيارات» هي [--profile ملف] [--calendar astronomical|umalqura|civil]
[--adjust ن].

يعرض التذكيرات التي يحفظها برنامج Zamanix لسطح المكتب ويضيفها ويزيلها،
ويصدّرها في ملف iCalendar لبرامج التقويم الأخرى، وينشرها في تقويم CalDAV
تعرضه الهواتف وبرامج التقويم الأخرى.

المفتاح يقول متى يحين التذكير:
  Ramadhan/27، March/06      كل سنة، في شهر ويوم من أي من التقويمين، كما
                             يبنيه النموذج
  Ramadhan/27/1448،          مرة واحدة، في تاريخ من أي من التقويمين
  March/06/2027
  Hijri/13، Christian/01     كل شهر من ذلك التقويم، في يوم؛ والشهر الذي ليس
                             فيه ذلك اليوم يحين في آخر أيامه
  Friday                     كل أسبوع، في يوم الأسبوع (بالإنجليزية)
ويقبل الأمران add و remove أيضًا الكتابات الشائعة لأسماء الأشهر الهجرية
(Ramadan، Dhul Hijjah، Rabi al-Awwal، Jumada al-Ula، ...) ويحفظان الشهر كما
يكتبه البرنامج. واليوم من 1 إلى 9 يحين سواء كُتب 5 أو 05.

الأوامر:
  list                كل التذكيرات ونوع كل منها، حسب موعدها التالي؛ ثم
                      تذكيرات المرة الواحدة التي مضى يومها؛ والتي لا يحين
                      موعدها أبدًا (April/31، أو شهر مكتوب خطأً) في الآخر
                      مع السبب
  upcoming            التذكيرات التي يحين موعدها من اليوم حتى ن يومًا بعده
                      (--days، الافتراضي 30)، سطر لكل يوم
  add مفتاح مذكرة     يحفظ المذكرة تحت المفتاح مع منبّهها: --alarm سس:دد
                      (الافتراضي 08:00) و --every دقائق، من 0 إلى 720، حتى
                      يذكّر مرة أخرى (الافتراضي 60)، و --notice أيام، من 0
                      إلى 30، للتذكير قبل كل يوم يحين فيه بهذا العدد من
                      الأيام أيضًا (0: بلا إشعار مسبق)؛ والتذكير الموجود
                      يحتفظ بما لم يُعطَ؛ ولمفتاح سنوي يكتب تمامًا ما يكتبه
                      زر إضافة في النموذج
  remove مفتاح        ينسى التذكير ومنبّهه وإشعاره المسبق، كما يفعل زر حذف في
                      النموذج
  export              يكتب كل يوم يحين فيه تذكير خلال السنوات ن القادمة
                      (--years، الافتراضي 5، بدءًا من --from تاريخ، بالشكل
                      سنة-شهر-يوم، والافتراضي اليوم) أحداثَ iCalendar في
                      وقت المنبّه بمنطقتك الزمنية، إلى الملف (-o؛ ويُكتب
                      هدف الرابط أو الأنبوب أو الطرفية كتدفق؛ ولا يُكتب أبدًا
                      ملف الإعدادات أو ملفاته) أو إلى الخرج القياسي
                      ومع --rscale: حدث واحد لكل تذكير يتكرر كل سنة من سنوات
                      تقويمه (RFC 7529)، للبرامج التي تعرف تقويمَي ICU الهجريين
                      (أم القرى والجدولي، بلا إزاحة ولا بدايات أشهر مسجّلة)
  publish             يجعل تقويم CalDAV عند العنوان (--url، الافتراضي: ما في
                      ملف الإعدادات) يحوي الأحداث التي يكتبها export --years ن
                      (--years، الافتراضي: ما في ملف الإعدادات، وإلا 2): لا
                      يكتب إلا ما تغيّر، ولا يمسّ أبدًا كائنات برنامج آخر. كلمة
                      المرور هي السطر الأول من --password-file ملف (- يقرأ الدخل
                      القياسي)، وإلا كلمة المرور المحفوظة في حلقة المفاتيح.
                      حالة الخروج 1 إذا فشل الخادم أو الشبكة

الخيارات:
  --profile ملف       ملف الإعدادات المستخدم (الافتراضي: ملف برنامج سطح
                      المكتب، $XDG_CONFIG_HOME/zamanix.INI)
  --calendar قاعدة    التقويم الهجري: astronomical أو umalqura أو civil
                      (الافتراضي: المختار في برنامج سطح المكتب)
  --adjust ن          يزيح التقويم الهجري ن يومًا، من -2 إلى 2 (الافتراضي:
                      كما اختير في برنامج سطح المكتب)
  --format text|tsv   أعمدة مصفوفة (الافتراضي)، أو قيم مفصولة بمسافات جدولة
                      مع سطر عناوين
  -h, --help          يعرض هذه المساعدة
  --version           يعرض رقم الإصدار
المذكرة التي تبدأ بـ "-" تُكتب بعد "--".

يتّبع التقويم الهجري بدايات الأشهر المسجّلة في ملف الإعدادات (القسم
[HijriMonthStarts]، "1448/9=2027-02-07")؛ والسجل الذي لا يمكن الاحتفاظ به
يُترك، مع تحذير على الخطأ القياسي.

الأخطاء (مفتاح شهره أو يومه أو سنته أو يوم أسبوعه غير صالح، أو تاريخ خارج
السنوات المدعومة، أو ملف إعدادات تتعذّر قراءته أو كتابته، أو خيارات خاطئة، أو
عدم وجود كلمة مرور للنشر) يُبلَّغ عنها بالشكل "zamanix-reminders: &lt;ما الخطأ&gt;"
في الخرج القياسي للأخطاء مع حالة خروج 2، ولا يُكتب شيء.
</translation>
    </message>
    <message>
        <source>--notice takes a number of days from 0 to %1, not %2</source>
        <translation>يأخذ --notice عددًا من الأيام من 0 إلى %1، لا %2</translation>
    </message>
</context>
<context>
    <name>SessionBus</name>
    <message>
        <source>%1: the session bus at %2 does not answer within %3 seconds; going on without it, as a copy of its own, without desktop notifications</source>
        <translation>%1: ناقل الجلسة على %2 لا يجيب خلال %3 ثانية؛ سيستمر العمل دونه، كنسخة مستقلة، ودون إشعارات سطح المكتب</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Main window</source>
        <translation>النافذة الرئيسية</translation>
    </message>
    <message>
        <source>Alt+the underlined letter</source>
        <translation>Alt+الحرف المسطّر</translation>
    </message>
    <message>
        <source>opens a menu, or presses a button of the form</source>
        <translation>يفتح قائمة، أو يضغط زرًا في النموذج</translation>
    </message>
    <message>
        <source>View: shows the chosen date in the other calendar with its memo</source>
        <translation>عرض: يُظهر التاريخ المختار في التقويم الآخر مع مذكرته</translation>
    </message>
    <message>
        <source>Add, View, Delete</source>
        <translation>إضافة، عرض، حذف</translation>
    </message>
    <message>
        <source>puts the clipboard's text into the memo, as one line</source>
        <translation>يضع نص الحافظة في المذكرة، في سطر واحد</translation>
    </message>
    <message>
        <source>New, Open, Save</source>
        <translation>جديد، فتح، حفظ</translation>
    </message>
    <message>
        <source>prints the form</source>
        <translation>يطبع النموذج</translation>
    </message>
    <message>
        <source>opens All Reminders</source>
        <translation>يفتح كل التذكيرات</translation>
    </message>
    <message>
        <source>shows or hides the month panel</source>
        <translation>يُظهر لوحة الشهر أو يخفيها</translation>
    </message>
    <message>
        <source>moves between the form and the month panel</source>
        <translation>ينتقل بين النموذج ولوحة الشهر</translation>
    </message>
    <message>
        <source>opens the manual</source>
        <translation>يفتح الدليل</translation>
    </message>
    <message>
        <source>Month panel</source>
        <translation>لوحة الشهر</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>مفاتيح الأسهم</translation>
    </message>
    <message>
        <source>the day before or after, or the same weekday a week away</source>
        <translation>اليوم السابق أو التالي، أو اليوم نفسه من الأسبوع السابق أو التالي</translation>
    </message>
    <message>
        <source>the month before or after</source>
        <translation>الشهر السابق أو التالي</translation>
    </message>
    <message>
        <source>the year before or after</source>
        <translation>السنة السابقة أو التالية</translation>
    </message>
    <message>
        <source>today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>shows the day in the form</source>
        <translation>يُظهر اليوم في النموذج</translation>
    </message>
    <message>
        <source>All Reminders</source>
        <translation>كل التذكيرات</translation>
    </message>
    <message>
        <source>from the filter to the list</source>
        <translation>من المرشّح إلى القائمة</translation>
    </message>
    <message>
        <source>opens the reminder in the form</source>
        <translation>يفتح التذكير في النموذج</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">حذف</translation>
    </message>
    <message>
        <source>deletes the reminder, after asking</source>
        <translation>يحذف التذكير بعد السؤال</translation>
    </message>
    <message>
        <source>closes the window</source>
        <translation>يغلق النافذة</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>التذكيرات الفائتة</translation>
    </message>
    <message>
        <source>Reminder prompt</source>
        <translation>سؤال التذكير</translation>
    </message>
    <message>
        <source>reminds you again after the interval</source>
        <translation>يذكّرك مجددًا بعد الفاصل</translation>
    </message>
    <message>
        <source>no more reminders today</source>
        <translation>لا مزيد من التذكيرات اليوم</translation>
    </message>
    <message>
        <source>not now: reminds you again after the interval</source>
        <translation>ليس الآن: يذكّرك مجددًا بعد الفاصل</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Zamanix reminder</source>
        <translation>تذكير Zamanix</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Zamanix

Zamani


Zamanix.Document
Zamani Document</source>
        <translation>Zamanix

Zamani


Zamanix.Document
مستند Zamani</translation>
    </message>
    <message>
        <source>Add memo entry to reminders on specified date</source>
        <translation>إضافة المذكرة إلى التذكيرات في التاريخ المحدد</translation>
    </message>
    <message>
        <source>Delete reminder entry from list.</source>
        <translation>حذف التذكير من القائمة.</translation>
    </message>
    <message>
        <source>Play Remider.wav audio file on alarm</source>
        <translation>تشغيل الملف الصوتي Reminder.wav عند المنبّه</translation>
    </message>
    <message>
        <source>Compute the Hijri months from the new moons (the default)</source>
        <translation>حساب الأشهر الهجرية من اقترانات القمر (الافتراضي)</translation>
    </message>
    <message>
        <source>Follow the Umm al-Qura calendar of Saudi Arabia</source>
        <translation>اتّباع تقويم أم القرى في المملكة العربية السعودية</translation>
    </message>
    <message>
        <source>Follow the tabular (civil) Islamic calendar</source>
        <translation>اتّباع التقويم الإسلامي الجدولي (المدني)</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days later</source>
        <translation>بدء كل شهر هجري بعد يومين</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day later</source>
        <translation>بدء كل شهر هجري بعد يوم</translation>
    </message>
    <message>
        <source>Keep the Hijri months as the calendar gives them</source>
        <translation>إبقاء الأشهر الهجرية كما يعطيها التقويم</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day earlier</source>
        <translation>بدء كل شهر هجري قبل يوم</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days earlier</source>
        <translation>بدء كل شهر هجري قبل يومين</translation>
    </message>
    <message>
        <source>List every reminder by the day it falls due next
All Reminders</source>
        <translation>عرض كل التذكيرات مرتبةً حسب موعدها التالي
كل التذكيرات</translation>
    </message>
    <message>
        <source>Save the reminders of the next five years as an iCalendar file for other calendar programs
Export Reminders</source>
        <translation>حفظ تذكيرات السنوات الخمس القادمة في ملف iCalendar لبرامج التقويم الأخرى
تصدير التذكيرات</translation>
    </message>
    <message>
        <source>Start Zamanix, minimized, whenever you log in to the desktop
Start at Login</source>
        <translation>تشغيل Zamanix مصغّرًا كلما سجّلت الدخول إلى سطح المكتب
البدء عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Print the month shown in the month panel on one page
Print Month</source>
        <translation>طباعة الشهر المعروض في لوحة الشهر على صفحة واحدة
طباعة الشهر</translation>
    </message>
    <message>
        <source>Show or hide the month at a glance beside the form
Month</source>
        <translation>إظهار لوحة الشهر بجانب النموذج أو إخفاؤها
الشهر</translation>
    </message>
    <message>
        <source>Mark the Islamic holy days in the month panel
Islamic Holy Days</source>
        <translation>تمييز المناسبات الإسلامية في لوحة الشهر
المناسبات الإسلامية</translation>
    </message>
    <message>
        <source>Zamanix</source>
        <translation>Zamanix</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>إنشاء مستند جديد
جديد</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>فتح مستند موجود
فتح</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>إغلاق المستند النشط
إغلاق</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>حفظ المستند النشط
حفظ</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>حفظ المستند النشط باسم جديد
حفظ باسم</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>تغيير خيارات الطباعة
إعداد الصفحة</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>تغيير الطابعة وخيارات الطباعة
إعداد الطباعة</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>طباعة المستند النشط
طباعة</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>عرض صفحات كاملة
معاينة الطباعة</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>فتح هذا المستند</translation>
    </message>
    <message>
        <source>Erase the selection
Erase</source>
        <translation>مسح التحديد
مسح</translation>
    </message>
    <message>
        <source>Erase everything
Erase All</source>
        <translation>مسح كل شيء
مسح الكل</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>نسخ التحديد إلى الحافظة
نسخ</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>قص التحديد ووضعه في الحافظة
قص</translation>
    </message>
    <message>
        <source>Find the specified text
Find</source>
        <translation>البحث عن النص المحدد
بحث</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>إدراج محتويات الحافظة
لصق</translation>
    </message>
    <message>
        <source>Repeat the last action
Repeat</source>
        <translation>تكرار آخر إجراء
تكرار</translation>
    </message>
    <message>
        <source>Replace specific text with different text
Replace</source>
        <translation>استبدال نص معيّن بنص آخر
استبدال</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>تحديد المستند كله
تحديد الكل</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>التراجع عن آخر إجراء
تراجع</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>إعادة الإجراء الذي تم التراجع عنه
إعادة</translation>
    </message>
    <message>
        <source>Split the active window into panes
Split</source>
        <translation>تقسيم النافذة النشطة إلى أجزاء
تقسيم</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>عرض معلومات البرنامج ورقم الإصدار وحقوق النشر
عن</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>إنهاء التطبيق مع السؤال عن حفظ المستندات
خروج</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>الانتقال إلى الجزء التالي من النافذة
الجزء التالي</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>الرجوع إلى الجزء السابق من النافذة
الجزء السابق</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>إظهار شريط الأدوات أو إخفاؤه
إظهار شريط الأدوات أو إخفاؤه</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>إظهار شريط الحالة أو إخفاؤه
إظهار شريط الحالة أو إخفاؤه</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>إغلاق معاينة الطباعة
إغلاق المعاينة</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>تمديد</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>كبيرة</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>أرقام</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>تمرير</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>Change the window size</source>
        <translation>تغيير حجم النافذة</translation>
    </message>
    <message>
        <source>Change the window position</source>
        <translation>تغيير موضع النافذة</translation>
    </message>
    <message>
        <source>Reduce the window to an icon</source>
        <translation>تصغير النافذة إلى أيقونة</translation>
    </message>
    <message>
        <source>Enlarge the window to full size</source>
        <translation>تكبير النافذة إلى الحجم الكامل</translation>
    </message>
    <message>
        <source>Switch to the next document window</source>
        <translation>الانتقال إلى نافذة المستند التالية</translation>
    </message>
    <message>
        <source>Switch to the previous document window</source>
        <translation>الانتقال إلى نافذة المستند السابقة</translation>
    </message>
    <message>
        <source>Close the active window and prompts to save the documents</source>
        <translation>إغلاق النافذة النشطة مع السؤال عن حفظ المستندات</translation>
    </message>
    <message>
        <source>Restore the window to normal size</source>
        <translation>استعادة النافذة إلى حجمها العادي</translation>
    </message>
    <message>
        <source>Activate Task List</source>
        <translation>تنشيط قائمة المهام</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>ملف بلا اسم</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>إ&amp;خفاء</translation>
    </message>
    <message>
        <source>No error message is available.</source>
        <translation>لا تتوفر رسالة خطأ.</translation>
    </message>
    <message>
        <source>An unsupported operation was attempted.</source>
        <translation>جرت محاولة لتنفيذ عملية غير مدعومة.</translation>
    </message>
    <message>
        <source>A required resource was unavailable.</source>
        <translation>لم يكن أحد الموارد المطلوبة متاحًا.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>نفدت الذاكرة.</translation>
    </message>
    <message>
        <source>An unknown error has occurred.</source>
        <translation>حدث خطأ غير معروف.</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>على %1</translation>
    </message>
    <message>
        <source>&amp;One Page</source>
        <translation>صفحة &amp;واحدة</translation>
    </message>
    <message>
        <source>&amp;Two Page</source>
        <translation>&amp;صفحتان</translation>
    </message>
    <message>
        <source>Page %u</source>
        <translation>صفحة %u</translation>
    </message>
    <message>
        <source>Page %u
Pages %u-%u
</source>
        <translation>صفحة %u
الصفحات %u-%u
</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>الطباعة إلى ملف</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>إلى %1</translation>
    </message>
    <message>
        <source>Invalid filename.</source>
        <translation>اسم ملف غير صالح.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>تعذّر فتح المستند.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>تعذّر حفظ المستند.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>أتريد حفظ التغييرات في %1؟</translation>
    </message>
    <message>
        <source>Failed to create empty document.</source>
        <translation>تعذّر إنشاء مستند فارغ.</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>الملف أكبر من أن يُفتح.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>تعذّر بدء مهمة الطباعة.</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>تعذّر تشغيل المساعدة.</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>خطأ داخلي في التطبيق.</translation>
    </message>
    <message>
        <source>Command failed.</source>
        <translation>فشل الأمر.</translation>
    </message>
    <message>
        <source>Insufficient memory to perform operation.</source>
        <translation>الذاكرة غير كافية لإجراء العملية.</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>أُزيلت مُدخلات سجل النظام وحُذف ملف INI (إن وُجد).</translation>
    </message>
    <message>
        <source>Not all of the system registry entries (or INI file) were removed.</source>
        <translation>لم تُزَل كل مُدخلات سجل النظام (أو ملف INI).</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>من فضلك أدخل عددًا صحيحًا.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>من فضلك أدخل رقمًا.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>من فضلك أدخل عددًا صحيحًا بين %1 و%2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>من فضلك أدخل رقمًا بين %1 و%2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>من فضلك لا تُدخل أكثر من %1 حرف.</translation>
    </message>
    <message>
        <source>Please select a button.</source>
        <translation>من فضلك اختر زرًّا.</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>من فضلك أدخل عددًا صحيحًا بين 0 و255.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>من فضلك أدخل عددًا صحيحًا موجبًا.</translation>
    </message>
    <message>
        <source>Please enter a date and/or time.</source>
        <translation>من فضلك أدخل تاريخًا و/أو وقتًا.</translation>
    </message>
    <message>
        <source>Please enter a currency.</source>
        <translation>من فضلك أدخل مبلغًا ماليًا.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>تنسيق ملف غير متوقع.</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
تعذّر العثور على هذا الملف.
من فضلك تحقّق من صحة المسار واسم الملف.</translation>
    </message>
    <message>
        <source>Destination disk drive is full.</source>
        <translation>قرص الوجهة ممتلئ.</translation>
    </message>
    <message>
        <source>Unable to read from %1, it is opened by someone else.</source>
        <translation>تعذّرت القراءة من %1، فهو مفتوح لدى جهة أخرى.</translation>
    </message>
    <message>
        <source>Unable to write to %1, it is read-only or opened by someone else.</source>
        <translation>تعذّرت الكتابة في %1، فهو للقراءة فقط أو مفتوح لدى جهة أخرى.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>حدث خطأ غير متوقع أثناء قراءة %1.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while writing %1.</source>
        <translation>حدث خطأ غير متوقع أثناء كتابة %1.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>لم يحدث أي خطأ.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>جرت محاولة للوصول إلى ما بعد نهاية %1.</translation>
    </message>
    <message>
        <source>%1 contains an incorrect schema.</source>
        <translation>يحتوي %1 على مخطط غير صحيح.</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>بكسل</translation>
    </message>
    <message>
        <source>Save a copy of every reminder and setting in a file of your choice
Back Up Reminders</source>
        <translation>حفظ نسخة من كل التذكيرات والإعدادات في ملف تختاره
نسخ التذكيرات احتياطيًا</translation>
    </message>
    <message>
        <source>Replace the reminders and settings with those of a backup
Restore Reminders</source>
        <translation>استبدال التذكيرات والإعدادات بتلك التي في نسخة احتياطية
استعادة التذكيرات</translation>
    </message>
    <message>
        <source>List the keys that work in Zamanix's windows
Keyboard Shortcuts</source>
        <translation>عرض المفاتيح التي تعمل في نوافذ Zamanix
اختصارات لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Open the manual of Zamanix
Manual</source>
        <translation>فتح دليل Zamanix
الدليل</translation>
    </message>
    <message>
        <source>Keep a calendar on a CalDAV server holding your reminders, for your phone and other calendar programs
Calendar Server</source>
        <translation>الاحتفاظ بتقويم على خادم CalDAV يضم تذكيراتك، لهاتفك وبرامج التقويم الأخرى
خادم التقويم</translation>
    </message>
    <message>
        <source>Publish the reminders to the calendar server now
Publish Now</source>
        <translation>نشر التذكيرات إلى خادم التقويم الآن
النشر الآن</translation>
    </message>
    <message>
        <source>List, remove and import the days on which your community's Hijri months began
Hijri Month Starts</source>
        <translation>عرض وإزالة واستيراد الأيام التي بدأت فيها الأشهر الهجرية لدى مجتمعك
بدايات الأشهر الهجرية</translation>
    </message>
    <message>
        <source>On the 29th of each Hijri month, ask in the evening whether the new moon was seen
Ask About the New Moon</source>
        <translation>في 29 من كل شهر هجري، السؤال مساءً هل رُئي الهلال
السؤال عن الهلال</translation>
    </message>
    <message>
        <source>Write numbers in the digits 0 to 9 instead of your language's own
Western Digits</source>
        <translation>كتابة الأعداد بالأرقام 0 إلى 9 بدلًا من أرقام لغتك
أرقام غربية</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>شريط الأدوات</translation>
    </message>
</context>
</TS>
